#pragma once

// The selected tree's zone as the main window states it.
struct ZoneReadout
{
    int treeNumber = 0; // file tree number
    int order = 1;
    double area = 0.0; // square metres
    double probability = 0.0;
};
