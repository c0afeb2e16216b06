#pragma once

#include <QIcon>

// The program's own picture: trees on a stand with the boundaries of their
// zones, 32 x 32 pixels (and 16 x 16 for small title bars).
QIcon programIcon();
