#pragma once

// Twips (1/1440 inch) are the unit the bar's layout is kept in; they become
// device-independent pixels only when painting.
namespace VistaProgTwips {

constexpr double PerInch = 1440.0;

double roundHalfEven(double value);

// 15 at 96 dpi. A non-positive dpi (no screen yet) counts as 96.
double perPixel(int logicalDpi);

int toPixels(double twips, double twipsPerPixel);

} // namespace VistaProgTwips
