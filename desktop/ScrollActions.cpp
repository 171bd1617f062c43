#include "desktop/ScrollActions.h"

#include "render/Scrolling.h"

namespace desktop {

std::optional<int> scrollCodeFor(QAbstractSlider::SliderAction action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return render::LineUp;
        case QAbstractSlider::SliderSingleStepAdd:
            return render::LineDown;
        case QAbstractSlider::SliderPageStepSub:
            return render::PageUp;
        case QAbstractSlider::SliderPageStepAdd:
            return render::PageDown;
        case QAbstractSlider::SliderMove:
            return render::ThumbTrack;
        case QAbstractSlider::SliderToMinimum:
            return render::Top;
        case QAbstractSlider::SliderToMaximum:
            return render::Bottom;
        case QAbstractSlider::SliderNoAction:
            break;
    }
    return std::nullopt;
}

}  // namespace desktop
