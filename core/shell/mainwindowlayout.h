#pragma once

#include <QRectF>
#include <array>

// Where the main window's stretching controls go for a given outer window
// size. Everything is in twips; the map and the tree table are relative to
// their frames, everything else to the window's client area.
struct MainWindowLayout
{
    QRectF toolbar;
    QRectF languageSelector;
    QRectF mapFrame;
    QRectF map;
    QRectF tableFrame;
    QRectF treeTable;
    QRectF statusBar;
    std::array<double, 4> statusPanelWidths{};
    QRectF labelCheckBox;
    QRectF calculationProgress;
};

// The designed outer size and the part of it that is window frame, title and
// menu bar rather than client area.
inline constexpr double DesignedOuterWidthTwips = 12030;
inline constexpr double DesignedOuterHeightTwips = 9030;
inline constexpr double OuterMinusClientWidthTwips = 120;
inline constexpr double OuterMinusClientHeightTwips = 690;

// Arranges the controls for the outer size width × height (twips): frames, map
// and table stretch with the window, the language selector and the label
// check box keep their distance from the right edge, the check box and the
// progress bar theirs from the bottom, and the status bar is split 2 : 6 :
// 0.8 : 1.2 with the progress bar laid over the second panel.
MainWindowLayout layoutMainWindow(double width, double height);
