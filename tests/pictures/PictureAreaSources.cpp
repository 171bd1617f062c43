// The crop of lotra-sim's pictures, compiled here so that the window's picture is
// cropped by the same rule.
#include "tools/lotra-sim/PictureArea.cpp"
