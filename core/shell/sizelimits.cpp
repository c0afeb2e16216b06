#include "sizelimits.h"

#include "twips.h"

SizeLimits mainWindowSizeLimits(const ScreenTwips &screen)
{
    SizeLimits limits;
    limits.minimumWidth = twipsToPixels(MainWindowMinimumWidthTwips, screen.twipsPerPixelX);
    limits.minimumHeight = twipsToPixels(MainWindowMinimumHeightTwips, screen.twipsPerPixelY);
    limits.maximumWidth = twipsToPixels(roundHalfToEven(screen.width), screen.twipsPerPixelX);
    limits.maximumHeight = twipsToPixels(roundHalfToEven(screen.height), screen.twipsPerPixelY);
    return limits;
}

std::optional<MinMaxInfo> answerMinMaxQuery(const MinMaxInfo &received, WindowSizeState state,
                                            const SizeLimits &limits, const ScreenTwips &screen)
{
    if (state != WindowSizeState::Normal)
        return std::nullopt;
    MinMaxInfo answer = received;
    answer.maximizedSize = {roundHalfToEven(screen.width / screen.twipsPerPixelX),
                            roundHalfToEven(screen.height / screen.twipsPerPixelY)};
    answer.minimumTrackingSize = {limits.minimumWidth, limits.minimumHeight};
    answer.maximumTrackingSize = {limits.maximumWidth, limits.maximumHeight};
    return answer;
}
