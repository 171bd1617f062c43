#pragma once
#include "edit/EditContext.h"

namespace edit {

// Each drops its hit list, unmarking every listed record still in its table, and
// repaints the work area; when there was no list nothing happens, not even a repaint.
void releaseLogicHits(EditContext& context);
void releaseBlockHits(EditContext& context);
void releaseWireHits(EditContext& context);

}  // namespace edit
