#include "desktop/ViewSettings.h"

#include "model/Viewport.h"

namespace desktop {

namespace {
constexpr const char* kZoomKey = "view/zoom";
}  // namespace

QSettings userSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "lotra", "lotra");
}

int32_t rememberedZoom() {
    return userSettings().value(kZoomKey, Viewport::kNaturalZoom).toInt();
}

void rememberZoom(int32_t zoom) {
    userSettings().setValue(kZoomKey, zoom);
}

}  // namespace desktop
