#pragma once
#include "analysis/KarnaughLayout.h"
#include "model/Geometry.h"
#include "platform/Canvas.h"

namespace analysis {

// The picture of a Karnaugh map: each map with its variables' names and Gray-code
// values on the edges (and, of several maps, the values of the map variables above
// it), a digit in every cell, the loops of the form's terms in colours with rounded
// corners (a loop that wraps round an edge runs out through it), and below the maps
// the form itself, each term in its loop's colour. Its size is known before drawing,
// so that a picture file of it can be made.
Size karnaughPictureSize(const KarnaughLayout& layout);

// Draws the picture on white with its top-left corner at `origin`.
void drawKarnaughMap(platform::Canvas& canvas, const KarnaughLayout& layout, Point origin);

// Where a cell lies in the picture, from the picture's top-left corner.
Rect karnaughCellBox(const KarnaughLayout& layout, const KarnaughCell& cell);

}  // namespace analysis
