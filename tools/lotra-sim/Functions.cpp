#include "tools/lotra-sim/Functions.h"

#include <algorithm>
#include <optional>

#include "analysis/FunctionReport.h"
#include "analysis/KarnaughPicture.h"
#include "tools/lotra-sim/CircuitPicture.h"
#include "tools/lotra-sim/OutputFiles.h"

namespace lotrasim {
namespace {

constexpr int kExitFailedWrite = 1;
constexpr int kExitBadInput = 2;

int complain(std::ostream& err, const std::string& text) {
    err << "lotra-sim: " << text << '\n';
    return kExitBadInput;
}

}  // namespace

int printFunctions(const CCircuit& circuit, bool json, std::ostream& out, std::ostream& err) {
    std::string error;
    const std::optional<analysis::CircuitFunctions> functions =
        analysis::circuitFunctions(circuit, error);
    if (!functions) return complain(err, error);
    const std::vector<analysis::AnalysedFunction> analysed = analysis::minimiseAll(*functions);
    out << (json ? analysis::functionsJson(*functions, analysed)
                 : analysis::functionsText(*functions, analysed));
    out.flush();
    return 0;
}

int writeKarnaughMap(const CCircuit& circuit, const std::string& function, const std::string& path,
                     std::ostream& err) {
    const std::optional<platform::PictureFormat> format = pictureFormatOfName(path);
    if (!format)
        return complain(
            err, "the name of the map's file '" + path + "' ends in none of .png, .svg, .pdf");
    std::string error;
    const std::optional<analysis::CircuitFunctions> functions =
        analysis::circuitFunctions(circuit, error);
    if (!functions) return complain(err, error);
    const std::vector<analysis::CircuitFunctionName>& names = functions->naming.functions;
    const auto named = std::find_if(names.begin(), names.end(), [&function](const auto& name) {
        return name.name == function;
    });
    if (named == names.end())
        return complain(err, "the circuit has no function '" + function + "'");
    const analysis::BooleanFunction& chosen =
        functions->functions[static_cast<size_t>(named - names.begin())];
    const std::optional<analysis::KarnaughLayout> layout =
        analysis::karnaughLayout(chosen, analysis::minimalForms(chosen, analysis::FormKind::Dnf));
    if (!layout)
        return complain(err, "a Karnaugh map takes 2 to 6 variables, and " + function + " has " +
                                 std::to_string(chosen.variableCount()));
    const Size size = analysis::karnaughPictureSize(*layout);
    const platform::PictureRequest request{
        path, *format, {0, 0, size.width, size.height}, function};
    std::vector<uint8_t> bytes;
    const PictureDrawer drawer;
    if (!drawer.drawPicture(
            request,
            [&layout](platform::Canvas& canvas) {
                analysis::drawKarnaughMap(canvas, *layout, {0, 0});
            },
            bytes, error))
        return cannotWrite(err, path, error) ? 0 : kExitFailedWrite;
    return writeOutputFile(path, bytes, err) ? 0 : kExitFailedWrite;
}

}  // namespace lotrasim
