// Placeholder until the drawing exists.
#include "render/WorkArea.h"

namespace render {
void paintWorkArea(platform::Canvas&, CCircuit&, const EditState&, ScrollOffsets, bool) {}
}  // namespace render
