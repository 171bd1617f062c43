#pragma once
#include <QSettings>
#include <cstdint>

namespace desktop {

// Where the user's own settings of the program are kept from one run to the next.
QSettings userSettings();

// The view the user last chose, kept in the user's settings between runs.
int32_t rememberedZoom();
void rememberZoom(int32_t zoom);

}  // namespace desktop
