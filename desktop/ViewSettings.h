#pragma once
#include <cstdint>

namespace desktop {

// The view the user last chose, kept in the user's settings between runs.
int32_t rememberedZoom();
void rememberZoom(int32_t zoom);

}  // namespace desktop
