#pragma once
#include <functional>

#include "analysis/CircuitFunctions.h"
#include "model/Geometry.h"
#include "platform/Canvas.h"

namespace analysis {

// The picture that shows a function: its Karnaugh map with the loops of its first
// minimal DNF, or, of fewer than 2 or more than 6 variables, that form as a formula.
// `paint` draws it on white with its top-left corner at the origin.
struct FunctionPicture {
    Size size;
    bool map = false;  // a Karnaugh map rather than a formula
    std::function<void(platform::Canvas&)> paint;
};

FunctionPicture functionPicture(const AnalysedFunction& analysed);

// The name first offered for a saved picture of the function: a "+" cannot stand in
// every file name.
std::string functionPictureName(const AnalysedFunction& analysed);

}  // namespace analysis
