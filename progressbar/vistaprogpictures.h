#pragma once

#include "meterlinexport.h"

#include <QImage>

// The bar is composed of 2 x 15 pixel pictures: the track and the fill are
// uniform across their two columns so they stretch to any width unchanged,
// and each end cap exists unlit (continuing the grey track) and lit
// (continuing the green fill).
namespace VistaProgPictures {

constexpr int Width = 2;
constexpr int Height = 15;

enum class CapSide
{
    Left,
    Right
};
enum class CapState
{
    Unlit,
    Lit
};

QImage track();
QImage fill();
QImage cap(CapSide side, CapState state);

// The 16 x 15 picture design tools show for the control: a half-filled bar.
METERLIN_EXPORT QImage toolboxPicture();

} // namespace VistaProgPictures
