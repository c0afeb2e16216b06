#pragma once

#include <QString>

// The main window's look: a quiet light surface, the toolbar's grey gradient
// with its warm hover/checked/pressed buttons, and framed panels.
QString mainWindowStyleSheet();
