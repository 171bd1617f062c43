#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/CommandIds.h"
#include "app/StatusTexts.h"
#include "app/Vortafrm.h"
#include "support/CircuitBuilder.h"
#include "support/SampleCircuit.h"
#include "support/ScriptedShell.h"
#include "support/TemporaryDirectory.h"
#include "support/WindowCircuit.h"

namespace platform {
void PrintTo(const WindowStatus& status, std::ostream* out) {
    *out << "{'" << status.fileName << "' power " << status.powerOn << " generator "
         << status.generatorRunning << " stale " << status.levelsStale << " unsettled "
         << status.unsettled << " recovery " << status.recoveryUnwritten << "}";
}
}  // namespace platform

namespace {

// The window, created in a folder of its own (it reads the recovery file there),
// fed with a student's hand.
struct StatusSession {
    StatusSession() { window.OnCreate(); }
    void click(int32_t x, int32_t y) {
        window.OnLButtonDown(platform::MK_LBUTTON, {x, y});
        window.OnLButtonUp(0, {x, y});
    }
    void place(int command, int32_t x, int32_t y) {
        window.OnCommand(command);
        window.OnMouseMove(0, {x, y});
        click(x, y);
    }
    void placeInverter(int32_t x, int32_t y) {
        shell.logicElementAnswers.push_back(LogicElementParams{false, 1, true});
        place(command::InsertLogicElement, x, y);
    }
    // The sample circuit with its inverter's output at 1 while its input is 1.
    void loadUnsettledSample() {
        CCircuit circuit;
        const SampleCircuit sample = buildSampleCircuit(circuit);
        circuit.blockElements[sample.signal]->pins[kOutputPin].value = 1;
        circuit.logicElements[sample.inverter]->pins[2].value = 1;
        circuit.logicElements[sample.inverter]->pins[kOutputPin].value = 1;
        window.replaceCircuit(std::move(circuit), "sample.vrt");
    }
    // A one-input inverted gate whose output is wired back to its own input: it
    // never settles.
    void loadRingOscillator() {
        CCircuit circuit;
        CircuitBuilder build(circuit);
        const int32_t gate = build.gate(false, 1, true, 100, 100);
        int input = 0;
        while (!circuit.logicElements[gate]->pins[input].present) ++input;
        build.wire(LogicElement, gate, 9, LogicElement, gate, input);
        window.replaceCircuit(std::move(circuit), "ring.vrt");
    }
    TemporaryDirectory directory;
    ScriptedShell shell;
    CVortafrm window{shell};
};

struct StatusCase {
    const char* name;
    std::function<void(StatusSession&)> act;
    platform::WindowStatus expected;
    const char* line;
};

platform::WindowStatus status(const char* fileName, bool power, bool generator, bool stale,
                              bool unsettled) {
    return {fileName, power, generator, stale, unsettled, false};
}

constexpr const char* kStale = "Уровни не пересчитаны — F5";

TEST(WindowStatusTest, TheLineSaysWhatTheLevelsAreWorth) {
    const std::vector<StatusCase> cases = {
        {"fresh window", [](StatusSession&) {}, status("", false, false, false, false),
         "без имени   |   Питание выключено"},
        {"power on, generator started",
         [](StatusSession& s) {
             s.window.OnCommand(command::PowerOn);
             s.window.OnCommand(command::GeneratorStart);
         },
         status("", true, true, false, false),
         "без имени   |   Питание включено   |   Генератор работает"},
        {"a circuit loaded with the power on, its inverter at 1 where a settle gives 0",
         [](StatusSession& s) {
             s.window.OnCommand(command::PowerOn);
             s.loadUnsettledSample();
         },
         status("sample.vrt", true, false, true, false),
         "sample.vrt   |   Питание включено   |   Генератор остановлен   |   Уровни не "
         "пересчитаны — F5"},
        {"F5 settles it",
         [](StatusSession& s) {
             s.window.OnCommand(command::PowerOn);
             s.loadUnsettledSample();
             s.window.OnCommand(command::PowerSettle);
         },
         status("sample.vrt", true, false, false, false), nullptr},
        {"a new inverter already shows the 1 a settle gives it",
         [](StatusSession& s) {
             s.window.OnCommand(command::PowerOn);
             s.placeInverter(200, 100);
         },
         status("", true, false, false, false), nullptr},
        {"an input signal placed changes no level",
         [](StatusSession& s) {
             s.window.OnCommand(command::PowerOn);
             s.place(command::InsertEntrSignal, 100, 100);
         },
         status("", true, false, false, false), nullptr},
        {"with the power off levels are not shown",
         [](StatusSession& s) { s.loadUnsettledSample(); },
         status("sample.vrt", false, false, false, false), nullptr},
        {"settling after every change leaves nothing stale",
         [](StatusSession& s) {
             s.window.OnCommand(command::ViewSettleAfterChange);
             s.window.OnCommand(command::PowerOn);
             s.loadUnsettledSample();
         },
         status("sample.vrt", true, false, false, false), nullptr},
        {"a ring oscillator loaded with the power on is stale",
         [](StatusSession& s) {
             s.window.OnCommand(command::PowerOn);
             s.loadRingOscillator();
         },
         status("ring.vrt", true, false, true, false), nullptr},
        {"F5 on the ring stops at the bound too",
         [](StatusSession& s) {
             s.window.OnCommand(command::PowerOn);
             s.loadRingOscillator();
             s.window.OnCommand(command::PowerSettle);
         },
         status("ring.vrt", true, false, false, true),
         "ring.vrt   |   Питание включено   |   Генератор остановлен   |   Схема не успокоилась"},
        {"power off forgets both",
         [](StatusSession& s) {
             s.loadRingOscillator();
             s.window.OnCommand(command::PowerOn);
             s.window.OnCommand(command::PowerOff);
         },
         status("ring.vrt", false, false, false, false), nullptr},
    };
    for (const StatusCase& c : cases) {
        StatusSession s;
        c.act(s);
        ASSERT_FALSE(s.shell.statuses.empty()) << c.name;
        EXPECT_EQ(s.shell.statuses.back(), c.expected) << c.name;
        EXPECT_EQ(s.window.status(), c.expected) << c.name;
        if (c.line) {
            EXPECT_EQ(app::statusLine(s.shell.statuses.back()), c.line) << c.name;
        }
        // A status is handed over only when it changed.
        for (size_t i = 1; i < s.shell.statuses.size(); ++i)
            EXPECT_NE(s.shell.statuses[i], s.shell.statuses[i - 1]) << c.name;
    }
    platform::WindowStatus everything = status("a.vrt", true, false, true, true);
    everything.recoveryUnwritten = true;
    EXPECT_EQ(app::statusLine(everything),
              std::string("a.vrt   |   Питание включено   |   Генератор остановлен   |   ") +
                  kStale + "   |   Схема не успокоилась   |   Файл восстановления не записан");
}

}  // namespace
