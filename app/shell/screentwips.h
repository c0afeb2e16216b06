#pragma once

#include "shell/sizelimits.h"

// Twips to pixels on the primary screen, from its logical dots per inch
// (halves to even). The whole program converts designed twips this way.
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);

double screenTwipsPerPixelX();
double screenTwipsPerPixelY();

// The primary screen's size in twips together with its twips per pixel.
ScreenTwips primaryScreenTwips();
