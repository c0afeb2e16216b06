#pragma once

#include <optional>

// The main window's smallest and largest size while it is neither minimized
// nor maximized, in pixels.
struct SizeLimits
{
    int minimumWidth = 0;
    int minimumHeight = 0;
    int maximumWidth = 0;
    int maximumHeight = 0;

    friend bool operator==(const SizeLimits &, const SizeLimits &) = default;
};

struct PixelPoint
{
    int x = 0;
    int y = 0;

    friend bool operator==(const PixelPoint &, const PixelPoint &) = default;
};

// The window system's size query: what it proposes for a maximized window and
// the tracking range the user may drag the border within.
struct MinMaxInfo
{
    PixelPoint reserved;
    PixelPoint maximizedSize;
    PixelPoint maximizedPosition;
    PixelPoint minimumTrackingSize;
    PixelPoint maximumTrackingSize;

    friend bool operator==(const MinMaxInfo &, const MinMaxInfo &) = default;
};

enum class WindowSizeState
{
    Normal,
    Minimized,
    Maximized
};

struct ScreenTwips
{
    double width = 0.0;  // screen width in twips
    double height = 0.0; // screen height in twips
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;
};

// Designed outer size of the main window, which is also its smallest size.
inline constexpr int MainWindowMinimumWidthTwips = 12030;
inline constexpr int MainWindowMinimumHeightTwips = 9030;

// The limits the main window enforces: the designed size as the minimum and
// the whole screen as the maximum (screen twips first rounded to whole twips).
SizeLimits mainWindowSizeLimits(const ScreenTwips &screen);

// Answers the size query for a window in the given state. Only a restored
// window is limited: the answer then carries the screen as maximized size and
// the limits as tracking range, with the reserved point and the maximized
// position as received. For a minimized or maximized window there is no
// answer and the query goes on to the window system's own handling.
std::optional<MinMaxInfo> answerMinMaxQuery(const MinMaxInfo &received, WindowSizeState state,
                                            const SizeLimits &limits, const ScreenTwips &screen);
