#pragma once
#include <QAbstractSlider>
#include <optional>

namespace desktop {

// The scroll code (0 to 8) that a scroll-bar action sends to the window: steps
// toward the end of the bar are "down" (or "right"), toward its start "up".
std::optional<int> scrollCodeFor(QAbstractSlider::SliderAction action);

}  // namespace desktop
