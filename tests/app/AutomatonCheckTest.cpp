// "&Проверить по таблице...": the table file asked for by name, the verdict on the
// circuit of the work area in a message box.
#include <gtest/gtest.h>

#include <fstream>

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "support/ScriptedShell.h"
#include "support/TemporaryDirectory.h"
#include "support/WindowCircuit.h"

namespace {

TEST(AutomatonCheckTest, TheVerdictOnTheWorkAreaIsShownForTheTableNamed) {
    TemporaryDirectory directory;
    ASSERT_TRUE(directory.ok());
    ScriptedShell shell;
    CVortafrm window{shell};
    giveSampleCircuit(window);
    std::ofstream("one-state.txt") << "состояние вход следующее выход\nA - A 0\n";
    std::ofstream("broken.txt") << "состояние вход следующее выход\nA - B 0\n";
    shell.fileNameAnswers = {"one-state.txt", "broken.txt", "missing.txt", std::nullopt};
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(window.OnCommand(command::AnalysisCheckByTable));

    ASSERT_EQ(shell.messageBoxes.size(), 3u);
    EXPECT_EQ(shell.fileNameCalls.front().label, "Файл таблицы автомата:");
    EXPECT_EQ(shell.messageBoxes[0].caption, "Проверка по таблице");
    // The sample circuit has one input signal besides the generator's clock.
    EXPECT_EQ(shell.messageBoxes[0].text, "не сравнить\nвходов автомата 1, а в образце 0");
    EXPECT_EQ(shell.messageBoxes[1].text,
              "Таблица не читается: строка 2: следующего состояния B нет в таблице");
    EXPECT_EQ(shell.messageBoxes[2].text, "Не удалось прочитать файл missing.txt");
    EXPECT_EQ(shell.messageBoxes[2].caption, "Ошибка");
}

}  // namespace
