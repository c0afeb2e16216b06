#include "surfacepicture.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

using namespace kavrel;

namespace {

constexpr double MapSide = 320.0; // the longer side of each stand, pixels
constexpr double Margin = 12.0;
constexpr double TitleHeight = 22.0;
constexpr double ScaleGap = 8.0;
constexpr double ScaleWidth = 14.0;
constexpr double LabelWidth = 84.0;
constexpr int MaxImageSide = 1024; // cells per side of an embedded image

// Viridis at every tenth of its range.
constexpr std::array<std::array<int, 3>, 11> Viridis{{{68, 1, 84},
                                                      {72, 36, 117},
                                                      {65, 68, 135},
                                                      {53, 95, 141},
                                                      {42, 120, 142},
                                                      {33, 145, 140},
                                                      {34, 168, 132},
                                                      {68, 191, 112},
                                                      {122, 209, 81},
                                                      {189, 223, 38},
                                                      {253, 231, 37}}};

QSizeF mapSize(Extent stand)
{
    const double ratio = stand.length() / stand.width();
    return ratio <= 1.0 ? QSizeF(MapSide, MapSide * ratio) : QSizeF(MapSide / ratio, MapSide);
}

double shareOf(double value, const Surface &surface)
{
    const double range = surface.maximum - surface.minimum;
    if (!(range > 0.0))
        return 0.5;
    return std::clamp((value - surface.minimum) / range, 0.0, 1.0);
}

// The surface one image cell per grid cell, sampled down past MaxImageSide;
// the top row is the stand's north.
QImage surfaceRaster(const SurfaceGrid &grid, const Surface &surface)
{
    const double step = std::max(1.0, double(std::max(grid.columns, grid.rows)) / MaxImageSide);
    const int width = std::max(1, int(std::ceil(grid.columns / step)));
    const int height = std::max(1, int(std::ceil(grid.rows / step)));
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const int row = grid.rows - 1 - std::min(grid.rows - 1, int((y + 0.5) * grid.rows / height));
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int column = std::min(grid.columns - 1, int((x + 0.5) * grid.columns / width));
            line[x] = surfaceColour(shareOf(
                surface.values[std::size_t(row) * std::size_t(grid.columns) + std::size_t(column)], surface));
        }
    }
    return image;
}

QRectF gridRect(const SurfaceGrid &grid, Extent stand, const QRectF &frame)
{
    const double scale = frame.width() / stand.width();
    const double left = frame.left() + (grid.left - stand.left) * scale;
    const double top = frame.top() + (stand.top - (grid.bottom + grid.rows * grid.spacing)) * scale;
    return {left, top, grid.columns * grid.spacing * scale, grid.rows * grid.spacing * scale};
}

QPointF pictureOf(Point p, Extent stand, const QRectF &frame)
{
    const double scale = frame.width() / stand.width();
    return {frame.left() + (p.x - stand.left) * scale, frame.top() + (stand.top - p.y) * scale};
}

std::string shortNumber(double value)
{
    std::array<char, 32> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 4).ptr;
    return std::string(buffer.data(), end);
}

std::string exactNumber(double value)
{
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return std::string(buffer.data(), end);
}

std::string title(const Surface &surface)
{
    return surface.design + " \u2013 " + surface.quantity;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

std::string coordinate(double value)
{
    std::array<char, 32> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 2).ptr;
    return std::string(buffer.data(), end);
}

// A 3 x 5 pixel font for the image's labels: digits, letters (as capitals)
// and the few signs the labels hold.
const char *glyph(char c)
{
    static const std::array<std::pair<char, const char *>, 44> Glyphs{{
        {'0', "####.##.##.####"}, {'1', ".#.##..#..#.###"}, {'2', "###..#####..###"},
        {'3', "###..#.##..####"}, {'4', "#.##.####..#..#"}, {'5', "####..###..####"},
        {'6', "####..####.####"}, {'7', "###..#..#.#..#."}, {'8', "####.#####.####"},
        {'9', "####.####..####"}, {'.', ".............#."}, {'-', "......###......"},
        {'+', "....#.###.#...."}, {'_', "............###"}, {' ', "..............."},
        {'A', ".#.#.#####.##.#"}, {'B', "##.#.###.#.###."}, {'C', "####..#..#..###"},
        {'D', "##.#.##.##.###."}, {'E', "####..####..###"}, {'F', "####..####..#.."},
        {'G', "####..#.##.####"}, {'H', "#.##.#####.##.#"}, {'I', "###.#..#..#.###"},
        {'J', "..#..#..##.####"}, {'K', "#.###.#..##.#.#"}, {'L', "#..#..#..#..###"},
        {'M', "#.########.##.#"}, {'N', "##.#.##.##.##.#"}, {'O', "####.##.##.####"},
        {'P', "####.#####..#.."}, {'Q', "####.##.####..#"}, {'R', "##.#.###.#.##.#"},
        {'S', "####..###..####"}, {'T', "###.#..#..#..#."}, {'U', "#.##.##.##.####"},
        {'V', "#.##.##.##.#.#."}, {'W', "#.##.########.#"}, {'X', "#.##.#.#.#.##.#"},
        {'Y', "#.##.#.#..#..#."}, {'Z', "###..#.#.#..###"}, {'/', "..#..#.#.#..#.."},
        {'(', ".#.#..#..#...#."}, {')', ".#...#..#..#.#."},
    }};
    const char upper = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    for (const auto &[character, bits] : Glyphs) {
        if (character == upper)
            return bits;
    }
    return "...............";
}

void drawPixelText(QImage &image, QPointF at, const std::string &text, QRgb colour)
{
    constexpr int Scale = 2;
    int x = int(at.x());
    const int y = int(at.y());
    for (const char c : text) {
        const char *bits = glyph(c);
        const std::size_t length = std::char_traits<char>::length(bits);
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 3; ++column) {
                const std::size_t bit = std::size_t(row * 3 + column);
                if (bit >= length || bits[bit] != '#')
                    continue;
                for (int dy = 0; dy < Scale; ++dy) {
                    for (int dx = 0; dx < Scale; ++dx) {
                        const int px = x + column * Scale + dx;
                        const int py = y + row * Scale + dy;
                        if (image.valid(px, py))
                            image.setPixel(px, py, colour);
                    }
                }
            }
        }
        x += 4 * Scale;
    }
}

} // namespace

QRgb surfaceColour(double share)
{
    const double position = std::clamp(share, 0.0, 1.0) * double(Viridis.size() - 1);
    const std::size_t low = std::min(std::size_t(position), Viridis.size() - 2);
    const double t = position - double(low);
    const auto channel = [&](int c) {
        return int(
            std::lround(Viridis[low][std::size_t(c)] * (1.0 - t) + Viridis[low + 1][std::size_t(c)] * t));
    };
    return qRgb(channel(0), channel(1), channel(2));
}

SurfacePictureLayout surfacePictureLayout(const SurfaceResult &result, Extent stand)
{
    const QSizeF map = mapSize(stand);
    const double panelWidth = Margin + map.width() + ScaleGap + ScaleWidth + LabelWidth;
    const double panelHeight = TitleHeight + map.height() + Margin;
    SurfacePictureLayout layout;
    const int panels = int(result.surfaces.size());
    const int columns = std::min(2, std::max(1, panels));
    const int rows = (panels + columns - 1) / columns;
    layout.size =
        QSize(int(std::ceil(columns * panelWidth + Margin)), int(std::ceil(rows * panelHeight + Margin)));
    for (int p = 0; p < panels; ++p) {
        const double left = Margin + (p % columns) * panelWidth;
        const double top = Margin + (p / columns) * panelHeight;
        SurfacePanelLayout panel;
        panel.frame = QRectF(left, top + TitleHeight, map.width(), map.height());
        panel.scale = QRectF(panel.frame.right() + ScaleGap, panel.frame.top(), ScaleWidth, map.height());
        layout.panels.push_back(panel);
    }
    return layout;
}

QByteArray surfaceSvg(const SurfaceResult &result, Extent stand, const std::vector<Point> &trees)
{
    const SurfacePictureLayout layout = surfacePictureLayout(result, stand);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                      "width=\"" +
                      std::to_string(layout.size.width()) + "\" height=\"" +
                      std::to_string(layout.size.height()) + "\" viewBox=\"0 0 " +
                      std::to_string(layout.size.width()) + ' ' + std::to_string(layout.size.height()) +
                      "\" font-family=\"sans-serif\" font-size=\"11\">\n"
                      "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    for (std::size_t s = 0; s < result.surfaces.size(); ++s) {
        const Surface &surface = result.surfaces[s];
        const SurfacePanelLayout &panel = layout.panels[s];
        const QRectF cells = gridRect(result.grid, stand, panel.frame);
        svg += "<g class=\"surface\" data-design=\"" + surface.design + "\" data-quantity=\"" +
               surface.quantity + "\">\n<text x=\"" + coordinate(panel.frame.left()) + "\" y=\"" +
               coordinate(panel.frame.top() - 7.0) + "\" font-size=\"12\">" + title(surface) + "</text>\n";
        svg += "<image x=\"" + coordinate(cells.left()) + "\" y=\"" + coordinate(cells.top()) +
               "\" width=\"" + coordinate(cells.width()) + "\" height=\"" + coordinate(cells.height()) +
               "\" preserveAspectRatio=\"none\" style=\"image-rendering:pixelated\" "
               "href=\"data:image/png;base64," +
               pngBytes(surfaceRaster(result.grid, surface)).toBase64().toStdString() + "\"/>\n";
        svg += "<rect class=\"stand\" x=\"" + coordinate(panel.frame.left()) + "\" y=\"" +
               coordinate(panel.frame.top()) + "\" width=\"" + coordinate(panel.frame.width()) +
               "\" height=\"" + coordinate(panel.frame.height()) +
               "\" fill=\"none\" stroke=\"black\"/>\n<g class=\"trees\">";
        for (const Point tree : trees) {
            const QPointF at = pictureOf(tree, stand, panel.frame);
            svg += "<circle cx=\"" + coordinate(at.x()) + "\" cy=\"" + coordinate(at.y()) +
                   "\" r=\"1.6\" fill=\"black\" stroke=\"white\" stroke-width=\"0.5\"/>";
        }
        svg += "</g>\n<g class=\"colour-scale\" data-minimum=\"" + exactNumber(surface.minimum) +
               "\" data-maximum=\"" + exactNumber(surface.maximum) + "\">\n<defs><linearGradient id=\"scale" +
               std::to_string(s) + "\" x1=\"0\" y1=\"1\" x2=\"0\" y2=\"0\">";
        for (int stop = 0; stop <= 10; ++stop) {
            const QRgb colour = surfaceColour(stop / 10.0);
            char hex[8];
            std::snprintf(hex, sizeof hex, "#%02x%02x%02x", qRed(colour), qGreen(colour), qBlue(colour));
            svg += "<stop offset=\"" + coordinate(stop / 10.0) + "\" stop-color=\"" + hex + "\"/>";
        }
        svg += "</linearGradient></defs>\n<rect x=\"" + coordinate(panel.scale.left()) + "\" y=\"" +
               coordinate(panel.scale.top()) + "\" width=\"" + coordinate(panel.scale.width()) +
               "\" height=\"" + coordinate(panel.scale.height()) + "\" fill=\"url(#scale" +
               std::to_string(s) + ")\" stroke=\"black\"/>\n";
        const double labelX = panel.scale.right() + 4.0;
        svg += "<text x=\"" + coordinate(labelX) + "\" y=\"" + coordinate(panel.scale.top() + 9.0) + "\">" +
               shortNumber(surface.maximum) + "</text>\n<text x=\"" + coordinate(labelX) + "\" y=\"" +
               coordinate(panel.scale.center().y() + 4.0) + "\">" +
               shortNumber((surface.minimum + surface.maximum) / 2.0) + "</text>\n<text x=\"" +
               coordinate(labelX) + "\" y=\"" + coordinate(panel.scale.bottom()) + "\">" +
               shortNumber(surface.minimum) + "</text>\n</g>\n</g>\n";
    }
    svg += "</svg>\n";
    return QByteArray::fromStdString(svg);
}

QImage surfaceImage(const SurfaceResult &result, Extent stand, const std::vector<Point> &trees)
{
    const SurfacePictureLayout layout = surfacePictureLayout(result, stand);
    QImage image(layout.size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRgb black = qRgb(0, 0, 0);
    for (std::size_t s = 0; s < result.surfaces.size(); ++s) {
        const Surface &surface = result.surfaces[s];
        const SurfacePanelLayout &panel = layout.panels[s];
        {
            QPainter painter(&image);
            painter.drawImage(gridRect(result.grid, stand, panel.frame), surfaceRaster(result.grid, surface));
            for (int y = 0; y < int(panel.scale.height()); ++y) {
                painter.setPen(QColor(surfaceColour(1.0 - y / std::max(1.0, panel.scale.height() - 1.0))));
                painter.drawLine(QPointF(panel.scale.left(), panel.scale.top() + y),
                                 QPointF(panel.scale.right(), panel.scale.top() + y));
            }
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(Qt::white, 0.5));
            painter.setBrush(Qt::black);
            for (const Point tree : trees)
                painter.drawEllipse(pictureOf(tree, stand, panel.frame), 1.6, 1.6);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(QPen(Qt::black, 1.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(panel.frame);
            painter.drawRect(panel.scale);
        }
        drawPixelText(image, QPointF(panel.frame.left(), panel.frame.top() - 15.0),
                      surface.design + "  " + surface.quantity, black);
        const double labelX = panel.scale.right() + 4.0;
        drawPixelText(image, QPointF(labelX, panel.scale.top()), shortNumber(surface.maximum), black);
        drawPixelText(image, QPointF(labelX, panel.scale.center().y() - 5.0),
                      shortNumber((surface.minimum + surface.maximum) / 2.0), black);
        drawPixelText(image, QPointF(labelX, panel.scale.bottom() - 10.0), shortNumber(surface.minimum),
                      black);
    }
    return image;
}
