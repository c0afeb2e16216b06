#include "vistaprogpictures.h"

#include <QPainter>
#include <array>

namespace VistaProgPictures {
namespace {

using Column = std::array<QRgb, Height>;

constexpr Column TrackColours = {0xB2B2B2, 0xF3F3F3, 0xFCFCFC, 0xEFEFEF, 0xE6E6E6,
                                 0xDEDEDE, 0xDBDBDB, 0xCACACA, 0xCACACA, 0xCCCCCC,
                                 0xCECECE, 0xD1D1D1, 0xD5D5D5, 0xEAEAEA, 0x8C8C8C};

constexpr Column FillColours = {0xB2B2B2, 0xCDFFCD, 0xCDFFCD, 0xC5FAC9, 0xADF3B8,
                                0xA2EFAF, 0x9CEDAC, 0x00D228, 0x00D228, 0x01D329,
                                0x05D62A, 0x0AD92C, 0x10DE2E, 0x1CE133, 0x8C8C8C};

constexpr Column CapOuterColours = {0xF7F7F7, 0xBDBDBD, 0xAEAEAE, 0xABABAB, 0xA8A8A8,
                                    0xA5A5A5, 0xA1A1A1, 0x9E9E9E, 0x9E9E9E, 0x9B9B9B,
                                    0x979797, 0x949494, 0x919191, 0xA1A1A1, 0xF3F3F3};

constexpr Column CapInnerUnlitColours = {0xC9C9C9, 0xDADADA, 0xF3F3F3, 0xEDEDED, 0xE5E5E5,
                                         0xE0E0E0, 0xDDDDDD, 0xD1D1D1, 0xD1D1D1, 0xD1D1D1,
                                         0xD2D2D2, 0xD1D1D1, 0xD3D3D3, 0xC3C3C3, 0x9E9E9E};

constexpr Column CapInnerLitColours = {0xC9C9C9, 0xCDFFCD, 0xCDFFCD, 0xC5FAC9, 0xADF3B8,
                                       0xA2EFAF, 0x9CEDAC, 0x00D228, 0x00D228, 0x01D329,
                                       0x05D62A, 0x0AD92C, 0x10DE2E, 0x1CE133, 0x9E9E9E};

QImage picture(const Column &left, const Column &right)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int row = 0; row < Height; ++row) {
        image.setPixel(0, row, left[row]);
        image.setPixel(1, row, right[row]);
    }
    return image;
}

} // namespace

QImage track()
{
    return picture(TrackColours, TrackColours);
}

QImage fill()
{
    return picture(FillColours, FillColours);
}

QImage cap(CapSide side, CapState state)
{
    const Column &inner = state == CapState::Lit ? CapInnerLitColours : CapInnerUnlitColours;
    return side == CapSide::Left ? picture(CapOuterColours, inner) : picture(inner, CapOuterColours);
}

QImage toolboxPicture()
{
    constexpr int ToolboxWidth = 16;
    constexpr int FillEnd = ToolboxWidth / 2;

    QImage image(ToolboxWidth, Height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.drawImage(QRect(0, 0, ToolboxWidth, Height), track());
    painter.drawImage(QRect(0, 0, FillEnd, Height), fill());
    painter.drawImage(QRect(ToolboxWidth - Width, 0, Width, Height), cap(CapSide::Right, CapState::Unlit));
    painter.drawImage(QRect(0, 0, Width, Height), cap(CapSide::Left, CapState::Lit));
    return image;
}

} // namespace VistaProgPictures
