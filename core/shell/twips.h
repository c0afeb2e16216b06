#pragma once

// Window geometry is designed in twips (1/1440 inch). A length in twips
// becomes whole pixels by dividing it by the screen's twips per pixel; an
// exact half goes to the even neighbour so that a designed layout converts
// the same way everywhere in the program.
int twipsToPixels(double twips, double twipsPerPixel);

// The screen's twips per pixel for its logical dots per inch.
double twipsPerPixelForDpi(double dotsPerInch);

// The reverse direction, for sizes the window system reports in pixels.
double pixelsToTwips(int pixels, double twipsPerPixel);

// Rounds to the nearest integer, halves to the even neighbour.
int roundHalfToEven(double value);
