#include "screentwips.h"

#include "shell/twips.h"

#include <QGuiApplication>
#include <QScreen>

double screenTwipsPerPixelX()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return twipsPerPixelForDpi(screen ? screen->logicalDotsPerInchX() : 0.0);
}

double screenTwipsPerPixelY()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return twipsPerPixelForDpi(screen ? screen->logicalDotsPerInchY() : 0.0);
}

int TwipsToPixelsX(double twips)
{
    return twipsToPixels(twips, screenTwipsPerPixelX());
}

int TwipsToPixelsY(double twips)
{
    return twipsToPixels(twips, screenTwipsPerPixelY());
}

ScreenTwips primaryScreenTwips()
{
    ScreenTwips screen;
    screen.twipsPerPixelX = screenTwipsPerPixelX();
    screen.twipsPerPixelY = screenTwipsPerPixelY();
    if (const QScreen *primary = QGuiApplication::primaryScreen()) {
        screen.width = pixelsToTwips(primary->geometry().width(), screen.twipsPerPixelX);
        screen.height = pixelsToTwips(primary->geometry().height(), screen.twipsPerPixelY);
    }
    return screen;
}
