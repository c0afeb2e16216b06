#include "mainwindowlayout.h"

namespace {

// Designed rectangles (left, top, width, height) at the designed outer size.
constexpr QRectF DesignedToolbar(120, 0, 11655, 450);
constexpr QRectF DesignedLanguageSelector(10200, 80, 1575, 285);
constexpr QRectF DesignedMapFrame(120, 600, 6855, 7095);
constexpr QRectF DesignedMap(120, 360, 6615, 6615);
constexpr QRectF DesignedTableFrame(7440, 600, 4335, 7095);
constexpr QRectF DesignedTreeTable(120, 360, 4095, 6615);
constexpr QRectF DesignedStatusBar(0, 7965, 11910, 375);
constexpr QRectF DesignedLabelCheckBox(11640, 8040, 375, 255);
constexpr QRectF DesignedCalculationProgress(8280, 8055, 3135, 225);

// A stretching control keeps the distance of its right (bottom) edge from the
// window's right (bottom) edge that it has at the designed size.
double stretchedWidth(double outerWidth, double designedWidth)
{
    return outerWidth - (DesignedOuterWidthTwips - designedWidth);
}

double stretchedHeight(double outerHeight, double designedHeight)
{
    return outerHeight - (DesignedOuterHeightTwips - designedHeight);
}

} // namespace

MainWindowLayout layoutMainWindow(double width, double height)
{
    MainWindowLayout layout;

    layout.toolbar = DesignedToolbar;
    layout.toolbar.moveTop(0);
    layout.toolbar.moveLeft(0);
    layout.toolbar.setWidth(width);

    layout.languageSelector = DesignedLanguageSelector;
    layout.languageSelector.moveLeft(width - 1830);

    layout.mapFrame = DesignedMapFrame;
    layout.mapFrame.setWidth(stretchedWidth(width, DesignedMapFrame.width()));
    layout.mapFrame.setHeight(stretchedHeight(height, DesignedMapFrame.height()));

    layout.map = DesignedMap;
    layout.map.setWidth(stretchedWidth(width, DesignedMap.width()));
    layout.map.setHeight(stretchedHeight(height, DesignedMap.height()));

    layout.tableFrame = DesignedTableFrame;
    layout.tableFrame.moveLeft(width - 4590);
    layout.tableFrame.setHeight(stretchedHeight(height, DesignedTableFrame.height()));

    layout.treeTable = DesignedTreeTable;
    layout.treeTable.setHeight(stretchedHeight(height, DesignedTreeTable.height()));

    // The status bar runs along the bottom of the client area.
    layout.statusBar = DesignedStatusBar;
    layout.statusBar.setWidth(width - OuterMinusClientWidthTwips);
    layout.statusBar.moveTop(height - OuterMinusClientHeightTwips - DesignedStatusBar.height());

    const double tenth = width / 10;
    layout.statusPanelWidths = {2 * tenth, 6 * tenth, 0.8 * tenth, 1.2 * tenth};

    layout.labelCheckBox = DesignedLabelCheckBox;
    layout.labelCheckBox.moveTop(height - 990 - 100);
    layout.labelCheckBox.moveLeft(width - 390);

    layout.calculationProgress = DesignedCalculationProgress;
    layout.calculationProgress.moveTop(height - 1010 - 80);
    layout.calculationProgress.moveLeft(DesignedStatusBar.left() + layout.statusPanelWidths[0] + 150);
    layout.calculationProgress.setWidth(layout.statusPanelWidths[1] - 150);

    return layout;
}
