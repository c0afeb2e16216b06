#include "studyplot.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <map>
#include <string>

using namespace kavrel;

namespace {

constexpr double PanelWidth = 260.0;
constexpr double PanelHeight = 190.0;
constexpr double AxisLeft = 58.0; // room for the tick labels
constexpr double AxisBottom = 34.0;
constexpr double PanelTop = 30.0; // the panel's title
constexpr double Margin = 14.0;
constexpr double LegendLine = 16.0;
constexpr double ErrorFactor = 1.96;

enum class Statistic
{
    Bias,
    Rmse,
    Coverage
};

constexpr std::array<Statistic, 3> Statistics{Statistic::Bias, Statistic::Rmse, Statistic::Coverage};

struct PlotPoint
{
    int k = 0;
    double value = 0.0;
    double error = 0.0; // half the error bar
};

struct Series
{
    std::string name; // "estimator (design)"
    std::vector<PlotPoint> points;
};

std::string number(double value, int precision = 6)
{
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, precision)
                         .ptr;
    return std::string(buffer.data(), end);
}

std::string fixed(double value)
{
    std::array<char, 32> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 2).ptr;
    return std::string(buffer.data(), end);
}

std::string escaped(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

std::string statisticName(Statistic s)
{
    return s == Statistic::Bias ? "bias" : s == Statistic::Rmse ? "RMSE" : "coverage of 95 % intervals";
}

// The statistic of one row and its Monte-Carlo error. The RMSE's is that of
// a standard deviation, empirical_se / sqrt(2 R), close for small biases;
// the coverage's the binomial one.
PlotPoint pointOf(const StudyRow &row, Statistic s)
{
    const double replicates = double(std::max<std::int64_t>(row.replicates, 1));
    switch (s) {
    case Statistic::Bias:
        return {row.k, row.bias, ErrorFactor * row.monteCarloError};
    case Statistic::Rmse:
        return {row.k, row.rmse, ErrorFactor * row.empiricalStandardError / std::sqrt(2.0 * replicates)};
    case Statistic::Coverage:
        return {row.k, row.coverage,
                ErrorFactor * std::sqrt(row.coverage * (1.0 - row.coverage) / replicates)};
    }
    return {};
}

// About five round tick values covering [low, high].
std::vector<double> ticks(double low, double high)
{
    const double span = high - low;
    const double raw = span / 5.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = magnitude;
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        step = m * magnitude;
        if (span / step <= 6.0)
            break;
    }
    std::vector<double> values;
    for (double v = std::ceil(low / step) * step; v <= high + step * 1e-9; v += step)
        values.push_back(std::abs(v) < step * 1e-9 ? 0.0 : v);
    return values;
}

// The marker of series i: eight shapes, open and then filled.
std::string marker(std::size_t i, double x, double y)
{
    const std::string fill = (i / 8) % 2 == 1 ? "black" : "white";
    const std::string style = "fill=\"" + fill + "\" stroke=\"black\" stroke-width=\"1\"";
    const double r = 3.6;
    const auto polygon = [&](std::initializer_list<std::pair<double, double>> corners) {
        std::string points;
        for (const auto &[dx, dy] : corners)
            points += fixed(x + dx * r) + ',' + fixed(y + dy * r) + ' ';
        return "<polygon points=\"" + points + "\" " + style + "/>";
    };
    switch (i % 8) {
    case 0:
        return "<circle cx=\"" + fixed(x) + "\" cy=\"" + fixed(y) + "\" r=\"" + fixed(r) + "\" " + style +
               "/>";
    case 1:
        return polygon({{-1, -1}, {1, -1}, {1, 1}, {-1, 1}});
    case 2:
        return polygon({{0, -1.2}, {1.1, 0.9}, {-1.1, 0.9}});
    case 3:
        return polygon({{0, -1.3}, {1.3, 0}, {0, 1.3}, {-1.3, 0}});
    case 4:
        return polygon({{0, 1.2}, {1.1, -0.9}, {-1.1, -0.9}});
    case 5:
        return polygon({{-1.2, -0.35},
                        {-0.35, -0.35},
                        {-0.35, -1.2},
                        {0.35, -1.2},
                        {0.35, -0.35},
                        {1.2, -0.35},
                        {1.2, 0.35},
                        {0.35, 0.35},
                        {0.35, 1.2},
                        {-0.35, 1.2},
                        {-0.35, 0.35},
                        {-1.2, 0.35}});
    case 6:
        return polygon({{-1.2, 0}, {0, -0.6}, {1.2, 0}, {0, 0.6}});
    default:
        return polygon({{-1.1, -1.1}, {1.1, -1.1}, {0, 1.2}}) +
               polygon({{-0.5, -0.5}, {0.5, -0.5}, {0, 0.5}});
    }
}

std::string dash(std::size_t i)
{
    static const std::array<const char *, 4> Dashes{"", "6,3", "2,2", "8,3,2,3"};
    const std::string pattern = Dashes[i % Dashes.size()];
    return pattern.empty() ? "" : " stroke-dasharray=\"" + pattern + "\"";
}

struct Axes
{
    double left = 0, top = 0, width = 0, height = 0;
    double kLow = 1, kHigh = 1, low = 0, high = 1;

    double x(double k) const
    {
        return kHigh > kLow ? left + (k - kLow) / (kHigh - kLow) * width : left + width / 2.0;
    }
    double y(double v) const { return top + height - (v - low) / (high - low) * height; }
};

std::string panel(const std::vector<Series> &series, Statistic statistic, const std::string &title,
                  double left, double top, int kLow, int kHigh)
{
    Axes a;
    a.left = left + AxisLeft;
    a.top = top + PanelTop;
    a.width = PanelWidth - AxisLeft - 10.0;
    a.height = PanelHeight - PanelTop - AxisBottom;
    a.kLow = kLow;
    a.kHigh = kHigh;
    double low = statistic == Statistic::Coverage ? 0.95 : 0.0;
    double high = low;
    for (const Series &s : series) {
        for (const PlotPoint &p : s.points) {
            low = std::min(low, p.value - p.error);
            high = std::max(high, p.value + p.error);
        }
    }
    if (statistic == Statistic::Coverage)
        high = std::min(std::max(high, 1.0), 1.0);
    if (!(high > low))
        high = low + 1.0;
    const double pad = 0.05 * (high - low);
    a.low = low - pad;
    a.high = high + pad;

    std::string svg = "<g class=\"panel\" data-statistic=\"" + statisticName(statistic) + "\">\n";
    svg += "<text x=\"" + fixed(a.left) + "\" y=\"" + fixed(top + 18.0) + "\" font-size=\"12\">" +
           escaped(title) + "</text>\n";
    svg += "<rect x=\"" + fixed(a.left) + "\" y=\"" + fixed(a.top) + "\" width=\"" + fixed(a.width) +
           "\" height=\"" + fixed(a.height) + "\" fill=\"none\" stroke=\"black\"/>\n";
    for (const double v : ticks(a.low, a.high)) {
        svg += "<line x1=\"" + fixed(a.left - 4) + "\" y1=\"" + fixed(a.y(v)) + "\" x2=\"" + fixed(a.left) +
               "\" y2=\"" + fixed(a.y(v)) + "\" stroke=\"black\"/><text x=\"" + fixed(a.left - 6) +
               "\" y=\"" + fixed(a.y(v) + 4) + "\" text-anchor=\"end\">" + number(v, 4) + "</text>\n";
    }
    const int kStep = std::max(1, (kHigh - kLow + 9) / 10);
    for (int k = kLow; k <= kHigh; k += kStep) {
        svg += "<line x1=\"" + fixed(a.x(k)) + "\" y1=\"" + fixed(a.top + a.height) + "\" x2=\"" +
               fixed(a.x(k)) + "\" y2=\"" + fixed(a.top + a.height + 4) + "\" stroke=\"black\"/><text x=\"" +
               fixed(a.x(k)) + "\" y=\"" + fixed(a.top + a.height + 16) + "\" text-anchor=\"middle\">" +
               std::to_string(k) + "</text>\n";
    }
    svg += "<text x=\"" + fixed(a.left + a.width / 2) + "\" y=\"" + fixed(a.top + a.height + 30) +
           "\" text-anchor=\"middle\">k</text>\n";
    const double reference = statistic == Statistic::Coverage ? 0.95 : 0.0;
    if (statistic != Statistic::Rmse)
        svg += "<line class=\"reference\" x1=\"" + fixed(a.left) + "\" y1=\"" + fixed(a.y(reference)) +
               "\" x2=\"" + fixed(a.left + a.width) + "\" y2=\"" + fixed(a.y(reference)) +
               "\" stroke=\"#777\" stroke-width=\"1.5\"" +
               (statistic == Statistic::Coverage ? " data-value=\"0.95\"" : "") + "/>\n";
    for (std::size_t i = 0; i < series.size(); ++i) {
        const Series &s = series[i];
        if (s.points.size() > 1) {
            std::string path;
            for (const PlotPoint &p : s.points)
                path += (path.empty() ? "M" : " L") + fixed(a.x(p.k)) + ',' + fixed(a.y(p.value));
            svg += "<path d=\"" + path + "\" fill=\"none\" stroke=\"black\" stroke-width=\"1\"" + dash(i) +
                   "/>\n";
        }
        for (const PlotPoint &p : s.points) {
            if (p.error > 0.0)
                svg += "<line class=\"error-bar\" x1=\"" + fixed(a.x(p.k)) + "\" y1=\"" +
                       fixed(a.y(p.value - p.error)) + "\" x2=\"" + fixed(a.x(p.k)) + "\" y2=\"" +
                       fixed(a.y(p.value + p.error)) + "\" stroke=\"black\"/>";
            svg += marker(i, a.x(p.k), a.y(p.value));
        }
        svg += '\n';
    }
    return svg + "</g>\n";
}

} // namespace

QByteArray studyPlotSvg(const std::vector<StudyRow> &rows)
{
    // Panel rows per stand and quantity, series per estimator and design, in
    // the order the summary has them.
    std::vector<std::pair<std::string, std::string>> groups;
    std::vector<std::string> names;
    int kLow = 1;
    int kHigh = 1;
    bool first = true;
    for (const StudyRow &r : rows) {
        const std::pair<std::string, std::string> group{r.stand, r.quantity};
        if (std::find(groups.begin(), groups.end(), group) == groups.end())
            groups.push_back(group);
        const std::string name = r.estimator + " (" + r.design + ")";
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
        kLow = first ? r.k : std::min(kLow, r.k);
        kHigh = first ? r.k : std::max(kHigh, r.k);
        first = false;
    }
    const double legendTop = Margin + double(groups.size()) * PanelHeight + 10.0;
    const double width = 2.0 * Margin + 3.0 * PanelWidth;
    const double legendColumns = 2.0;
    const double height =
        legendTop + std::ceil(double(names.size()) / legendColumns) * LegendLine + 30.0 + Margin;
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                      "width=\"" +
                      fixed(width) + "\" height=\"" + fixed(height) + "\" viewBox=\"0 0 " + fixed(width) +
                      ' ' + fixed(height) +
                      "\" font-family=\"sans-serif\" font-size=\"10\">\n<rect width=\"100%\" height=\"100%\" "
                      "fill=\"white\"/>\n";
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (std::size_t c = 0; c < Statistics.size(); ++c) {
            const Statistic statistic = Statistics[c];
            std::vector<Series> series(names.size());
            for (std::size_t n = 0; n < names.size(); ++n)
                series[n].name = names[n];
            for (const StudyRow &r : rows) {
                if (r.stand != groups[g].first || r.quantity != groups[g].second)
                    continue;
                const PlotPoint p = pointOf(r, statistic);
                if (!std::isfinite(p.value))
                    continue; // a note says why there is no number
                const std::string name = r.estimator + " (" + r.design + ")";
                const auto at = std::find(names.begin(), names.end(), name) - names.begin();
                series[std::size_t(at)].points.push_back(
                    {p.k, p.value, std::isfinite(p.error) ? p.error : 0.0});
            }
            for (Series &s : series)
                std::sort(s.points.begin(), s.points.end(),
                          [](const PlotPoint &a, const PlotPoint &b) { return a.k < b.k; });
            const std::string title =
                statisticName(statistic) + " \u2013 " + groups[g].second +
                (groups.size() > 2 || groups[0].first != groups.back().first ? " \u2013 " + groups[g].first
                                                                             : std::string());
            svg += panel(series, statistic, title, Margin + double(c) * PanelWidth,
                         Margin + double(g) * PanelHeight, kLow, kHigh);
        }
    }
    svg += "<g class=\"legend\">\n<text x=\"" + fixed(Margin) + "\" y=\"" + fixed(legendTop + 8) +
           "\">Error bars: 1.96 Monte-Carlo standard errors. Grey line: 0 (bias), 0.95 (coverage).</text>\n";
    for (std::size_t n = 0; n < names.size(); ++n) {
        const double x = Margin + double(n % 2) * (width / legendColumns);
        const double y = legendTop + 26.0 + double(n / 2) * LegendLine;
        svg += "<line x1=\"" + fixed(x) + "\" y1=\"" + fixed(y) + "\" x2=\"" + fixed(x + 36) + "\" y2=\"" +
               fixed(y) + "\" stroke=\"black\"" + dash(n) + "/>" + marker(n, x + 18, y) + "<text x=\"" +
               fixed(x + 44) + "\" y=\"" + fixed(y + 4) + "\">" + escaped(names[n]) + "</text>\n";
    }
    svg += "</g>\n</svg>\n";
    return QByteArray::fromStdString(svg);
}
