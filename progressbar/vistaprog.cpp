#include "vistaprog.h"

#include "vistaprogpictures.h"
#include "vistaprogpropertystore.h"
#include "vistaprogtwips.h"

#include <QPainter>

namespace {

constexpr double BarHeightTwips = 225.0;
constexpr double CapWidthTwips = 30.0;
// The track starts one pixel (at 96 dpi) in; the left cap hides the gap.
constexpr double TrackLeftTwips = 15.0;
// With Value 0 the fill shrinks to one pixel that lies under the unlit left cap.
constexpr double EmptyFillWidthTwips = 15.0;
constexpr double DesignWidthTwips = 1980.0;

const QString MaxName = QStringLiteral("Max");
const QString MinName = QStringLiteral("Min");
const QString ValueName = QStringLiteral("Value");

} // namespace

using VistaProgPictures::CapSide;
using VistaProgPictures::CapState;

VistaProg::VistaProg(QWidget *parent)
    : QWidget(parent), m_track(VistaProgPictures::track()), m_fill(VistaProgPictures::fill()),
      m_leftLit(VistaProgPictures::cap(CapSide::Left, CapState::Lit)),
      m_leftUnlit(VistaProgPictures::cap(CapSide::Left, CapState::Unlit)),
      m_rightLit(VistaProgPictures::cap(CapSide::Right, CapState::Lit)),
      m_rightUnlit(VistaProgPictures::cap(CapSide::Right, CapState::Unlit)), m_leftCap(m_leftUnlit),
      m_rightCap(m_rightUnlit)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    keepBarHeight();
    resize(sizeHint());

    setMax(DefaultMax);
    setMin(DefaultMin);
    setValue(DefaultValue);
}

void VistaProg::setValue(int value)
{
    if (value > m_max)
        value = m_max;
    if (value < m_min)
        value = m_min;
    m_value = value;
    redraw();
    emit valueChanged(m_value);
}

void VistaProg::setMax(int max)
{
    if (max < 1)
        max = 1;
    if (max <= m_min)
        max = m_min + 1;
    m_max = max;
    if (m_value > m_max)
        setValue(m_max);
    redraw();
    emit maxChanged(m_max);
}

void VistaProg::setMin(int min)
{
    if (min >= m_max)
        min = m_max - 1;
    if (min < 0)
        min = 0;
    m_min = min;
    if (m_value < m_min)
        setValue(m_min);
    redraw();
    emit minChanged(m_min);
}

void VistaProg::readProperties(const VistaProgPropertyStore &store)
{
    if (const auto max = store.readProperty(MaxName, DefaultMax))
        setMax(*max);
    if (const auto min = store.readProperty(MinName, DefaultMin))
        setMin(*min);
    if (const auto value = store.readProperty(ValueName, DefaultValue))
        setValue(*value);
}

void VistaProg::writeProperties(VistaProgPropertyStore &store) const
{
    store.writeProperty(MaxName, m_max, DefaultMax);
    store.writeProperty(MinName, m_min, DefaultMin);
    store.writeProperty(ValueName, m_value, DefaultValue);
}

QSize VistaProg::sizeHint() const
{
    return {toPixelsX(DesignWidthTwips), barHeightInPixels()};
}

void VistaProg::paintEvent(QPaintEvent *)
{
    // Painted bottom layer first; where the two caps overlap on a very narrow
    // bar the left one stays on top.
    const double widthTwips = widthInTwips();
    QPainter painter(this);
    painter.drawImage(pixelRect(TrackLeftTwips, widthTwips), m_track);
    painter.drawImage(pixelRect(0.0, m_fillWidthTwips), m_fill);
    painter.drawImage(pixelRect(widthTwips - CapWidthTwips, CapWidthTwips), m_rightCap);
    painter.drawImage(pixelRect(0.0, CapWidthTwips), m_leftCap);
}

void VistaProg::resizeEvent(QResizeEvent *)
{
    keepBarHeight();
    layOutFillAndCaps();
}

double VistaProg::twipsPerPixelX() const
{
    return VistaProgTwips::perPixel(logicalDpiX());
}

int VistaProg::toPixelsX(double twips) const
{
    return VistaProgTwips::toPixels(twips, twipsPerPixelX());
}

int VistaProg::barHeightInPixels() const
{
    return VistaProgTwips::toPixels(BarHeightTwips, VistaProgTwips::perPixel(logicalDpiY()));
}

// Both edges are converted rather than the left edge and the width, so that
// pieces meant to touch (the right cap and the bar's right edge) still touch
// when a twip position falls between two pixels.
QRect VistaProg::pixelRect(double leftTwips, double widthTwips) const
{
    const int left = toPixelsX(leftTwips);
    const int right = toPixelsX(leftTwips + widthTwips);
    return {left, 0, right - left, barHeightInPixels()};
}

double VistaProg::widthInTwips() const
{
    return width() * twipsPerPixelX();
}

void VistaProg::keepBarHeight()
{
    const int barHeight = barHeightInPixels();
    if (minimumHeight() != barHeight || maximumHeight() != barHeight)
        setFixedHeight(barHeight);
}

void VistaProg::layOutFillAndCaps()
{
    // 100 * Value in 64 bits: Max may be as large as a file size.
    const double percent = static_cast<double>(qint64{100} * m_value) / m_max;
    const auto widthTwips = static_cast<float>(widthInTwips());
    const double fillWidthTwips = VistaProgTwips::roundHalfEven(widthTwips * percent / 100.0);

    if (m_value == 0) {
        m_fillWidthTwips = EmptyFillWidthTwips;
        m_leftCap = m_leftUnlit;
    } else {
        m_leftCap = m_leftLit;
        m_fillWidthTwips = fillWidthTwips;
    }
    m_rightCap = m_value == m_max ? m_rightLit : m_rightUnlit;
}

void VistaProg::redraw()
{
    layOutFillAndCaps();
    repaint();
}
