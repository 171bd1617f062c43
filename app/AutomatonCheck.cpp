#include "app/AutomatonCheck.h"

#include "analysis/AutomatonComparison.h"
#include "analysis/AutomatonTable.h"
#include "io/FileCreation.h"
#include "platform/Shell.h"

namespace app {
namespace {

constexpr const char* kTableLabel = "Файл таблицы автомата:";
constexpr const char* kCaption = "Проверка по таблице";
constexpr const char* kErrorCaption = "Ошибка";
constexpr const char* kNoTable = "Не удалось прочитать файл ";
constexpr const char* kBadTable = "Таблица не читается: ";
constexpr const char* kNoAutomaton = "Автомат схемы не построить: ";

}  // namespace

std::string tableCheckVerdict(const CCircuit& circuit, const std::string& tableText) {
    std::string error;
    const std::optional<analysis::Automaton> table =
        analysis::parseAutomatonTable(tableText, error);
    if (!table) return kBadTable + error;
    const std::optional<analysis::CircuitAutomaton> automaton =
        analysis::circuitAutomaton(circuit, {}, error);
    if (!automaton) return kNoAutomaton + error;
    const analysis::AutomatonVerdict verdict =
        analysis::automatonVerdict(*table, automaton->automaton, false);
    return verdict.details.empty() ? verdict.verdict : verdict.verdict + "\n" + verdict.details;
}

void checkByTable(platform::Shell& shell, const CCircuit& circuit) {
    const std::optional<std::string> name = shell.fileNameDialog(kTableLabel, "");
    if (!name || name->empty()) return;
    const io::ExistingFile file = io::openExistingFile(*name);
    std::vector<uint8_t> bytes;
    if (!file.isOpen() || !io::readWholeFile(file, bytes)) {
        shell.messageBox(kNoTable + *name, kErrorCaption, platform::MessageBoxStyle::Ok);
        return;
    }
    shell.messageBox(tableCheckVerdict(circuit, std::string(bytes.begin(), bytes.end())), kCaption,
                     platform::MessageBoxStyle::Ok);
}

}  // namespace app
