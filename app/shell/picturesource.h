#pragma once

#include <QIcon>
#include <QImage>

// The menu and toolbar pictures, by number, drawn by the program itself:
// 6120 open, 6949 camera, 6400 exit, and the three map marks of the legend
// (6018 selected tree, 6006 tree with influence, 6000 tree without influence)
// drawn exactly as the map draws them; and the exports: 6131 zones as
// polygons (GeoJSON), 6132 drawing (SVG), 6133 table of areas (CSV).
class PictureSource
{
public:
    static constexpr int Open = 6120;
    static constexpr int Camera = 6949;
    static constexpr int Exit = 6400;
    static constexpr int SelectedTree = 6018;
    static constexpr int TreeWithInfluence = 6006;
    static constexpr int TreeWithoutInfluence = 6000;
    static constexpr int ExportZones = 6131;
    static constexpr int ExportDrawing = 6132;
    static constexpr int ExportTable = 6133;

    static constexpr int PictureSize = 16;

    // A null image for a number the source does not know.
    QImage image(int number) const;
    QIcon icon(int number) const;
};
