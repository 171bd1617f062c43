#include <gtest/gtest.h>

#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>

#include "app/Vortafrm.h"
#include "desktop/DesktopWindow.h"
#include "desktop/FunctionsWindow.h"
#include "io/CircuitFile.h"
#include "support/FileContents.h"
#include "support/LotraSim.h"
#include "support/TemporaryDirectory.h"

namespace fs = std::filesystem;

namespace {

using desktop::CDesktopWindow;

void openExample(CDesktopWindow& window, const std::string& name) {
    const fs::path path = fs::path(LOTRA_SOURCE_DIR) / "res" / "examples" / (name + ".vrt");
    const std::string bytes = textOf(path);
    ASSERT_FALSE(bytes.empty()) << path;
    CCircuit circuit;
    io::decodeCircuit(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
                      circuit);
    window.core().replaceCircuit(std::move(circuit), name + ".vrt");
}

QStringList listed(desktop::CFunctionsWindow& functions) {
    auto* list = functions.findChild<QListWidget*>("functionList");
    QStringList names;
    for (int row = 0; row < list->count(); ++row) names << list->item(row)->text();
    return names;
}

bool computed(desktop::CFunctionsWindow& functions) {
    return QTest::qWaitFor([&functions] { return !functions.computing(); }, 5000);
}

// The menu item opens the window on the circuit; it follows the next circuit; the
// map it shows is the very picture lotra-sim draws of the same function.
TEST(FunctionsWindow, OpensFromTheMenuFollowsTheCircuitAndShowsTheMap) {
    TemporaryDirectory directory;
    ASSERT_TRUE(directory.ok());
    CDesktopWindow window;
    openExample(window, "full-adder");
    QAction* item = nullptr;
    for (QAction* title : window.menuBar()->actions())
        if (title->text() == "&Анализ")
            for (QAction* action : title->menu()->actions())
                if (action->text() == "&Функции схемы...") item = action;
    ASSERT_NE(item, nullptr);
    item->trigger();
    desktop::CFunctionsWindow* functions = window.functionsWindow();
    ASSERT_NE(functions, nullptr);
    EXPECT_TRUE(functions->isVisible());
    ASSERT_TRUE(computed(*functions));
    EXPECT_EQ(listed(*functions), (QStringList{"Y1.1", "Y1.2"}));

    functions->findChild<QListWidget*>("functionList")->setCurrentRow(1);
    EXPECT_TRUE(functions->findChild<QPlainTextEdit*>("forms")->toPlainText().contains(
        QString::fromUtf8("минимальная ДНФ: X1·X2 ∨ X1·X3 ∨ X2·X3")));
    const fs::path drawn = directory.path() / "carry.png";
    const LotraSimOutcome outcome = runLotraSim(
        quotedWords({"--kmap", "Y1.2", drawn.string(),
                     (fs::path(LOTRA_SOURCE_DIR) / "res/examples/full-adder.vrt").string()}),
        directory.path());
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(functions->picture().convertToFormat(QImage::Format_RGB32),
              QImage(QString::fromStdString(drawn.string())).convertToFormat(QImage::Format_RGB32));

    openExample(window, "jk-counter");
    ASSERT_TRUE(computed(*functions));
    EXPECT_EQ(listed(*functions), (QStringList{"J1", "K1", "J2", "K2", "C2", "Y1.1", "Y1.2"}));
}

}  // namespace
