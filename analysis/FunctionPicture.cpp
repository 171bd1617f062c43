#include "analysis/FunctionPicture.h"

#include <algorithm>

#include "analysis/FormulaPicture.h"
#include "analysis/KarnaughPicture.h"

namespace analysis {
namespace {

constexpr int32_t kFormulaWidth = 900;

}  // namespace

FunctionPicture functionPicture(const AnalysedFunction& analysed) {
    if (auto layout = karnaughLayout(analysed.function, analysed.forms.dnf)) {
        const Size size = karnaughPictureSize(*layout);
        return {size, true, [layout = std::move(*layout)](platform::Canvas& canvas) {
                    drawKarnaughMap(canvas, layout, {0, 0});
                }};
    }
    const FormulaPicture formula =
        formulaPicture(analysed.forms.dnf.forms.front(), analysed.function.variables(),
                       analysed.function.name() + " = ", kFormulaWidth);
    return {formula.size, false, [formula](platform::Canvas& canvas) {
                drawFormula(canvas, formula, {0, 0}, {});
            }};
}

std::string functionPictureName(const AnalysedFunction& analysed) {
    std::string name = analysed.function.name();
    std::replace(name.begin(), name.end(), '+', 'p');
    return name + ".png";
}

}  // namespace analysis
