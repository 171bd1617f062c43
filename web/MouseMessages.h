#pragma once

namespace web {

// What happened in the work area, as the page's script tells lotra_mouse.
enum MouseMessage { Move, LeftDown, LeftUp, LeftDoubleClick, RightDown, Leave };

}  // namespace web
