#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "desktop/AutomatonWindow.h"
#include "desktop/DesktopWindow.h"
#include "desktop/MainMenu.h"
#include "desktop/WorkAreaWidget.h"
#include "io/CircuitFile.h"
#include "io/Recovery.h"
#include "support/FileContents.h"
#include "support/SampleCircuit.h"
#include "support/ScriptedShell.h"
#include "support/TemporaryDirectory.h"
#include "support/WindowCircuit.h"

namespace {

using desktop::CDesktopWindow;

// Each window restores and empties the recovery file of the current directory.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(directory.ok()); }

    QMenu* menu(const QString& title) {
        for (QAction* action : window().menuBar()->actions())
            if (action->text() == title) return action->menu();
        return nullptr;
    }
    QAction* item(const QString& menuTitle, const QString& text) {
        QMenu* dropDown = menu(menuTitle);
        if (!dropDown) return nullptr;
        for (QAction* action : dropDown->actions())
            if (action->text() == text) return action;
        return nullptr;
    }
    // Opens the menu as a user would, so that its enabling is brought up to date.
    void openAndClose(const QString& title) {
        QMenu* dropDown = menu(title);
        ASSERT_NE(dropDown, nullptr) << title.toStdString();
        dropDown->popup(QPoint(0, 0));
        dropDown->hide();
    }
    std::vector<bool> powerAndGeneratorItems() {
        openAndClose("&Питание");
        openAndClose("Управление генератором");
        return {item("&Питание", "&Вкл.")->isEnabled(), item("&Питание", "В&ыкл.")->isEnabled(),
                item("Управление генератором", "&Пуск")->isEnabled(),
                item("Управление генератором", "&Стоп")->isEnabled()};
    }
    // The active timers of the window by interval.
    std::multiset<int> activeTimers() {
        std::multiset<int> intervals;
        for (QTimer* qtimer : window().findChildren<QTimer*>())
            if (qtimer->isActive() && (qtimer->interval() == 100 || qtimer->interval() == 15000))
                intervals.insert(qtimer->interval());
        return intervals;
    }
    CDesktopWindow& window() {
        if (!window_) window_ = std::make_unique<CDesktopWindow>();
        return *window_;
    }

    TemporaryDirectory directory;
    std::unique_ptr<CDesktopWindow> window_;
};

TEST_F(MainWindowTest, TheMenuHasItsDropDownsWithTheirItemsInOrderAndNoSeparators) {
    using Items = std::vector<std::pair<QString, int>>;
    const std::vector<std::pair<QString, Items>> expected = {
        {"&Файл",
         {{"&Новый...", 57600},
          {"&Открыть...", 57601},
          {"&Сохранить", 57603},
          {"Сохранить &как...", 40030},
          {"Сохранить &рисунок...", 40033},
          {"В&ыход", 57665}}},
        {"П&равка",
         {{"&Отменить", 57643},
          {"&Повторить", 57644},
          {"&Вырезать", 57635},
          {"&Копировать", 57634},
          {"Вст&авить", 57637},
          {"&Удалить", 57632},
          {"Выделить в&сё", 57642},
          {"Пре&рвать", command::EditCancel},
          {"Сдвинуть влево", command::EditMoveLeft},
          {"Сдвинуть вправо", command::EditMoveRight},
          {"Сдвинуть вверх", command::EditMoveUp},
          {"Сдвинуть вниз", command::EditMoveDown}}},
        {"В&ид",
         {{"Крупнее", 41101},
          {"Мельче", 41102},
          {"Обычный размер", 41103},
          {"Пересчитывать после каждого изменения", command::ViewSettleAfterChange},
          {"Цвет проводов по уровню", command::ViewWireLevels}}},
        {"&Выбрать",
         {{"Логический &элемент", 40006},
          {"&Триггер", 40004},
          {"&Сумматор", 40005},
          {"&Логический сигнал", 40007},
          {"&Генератор ТИ", 40021},
          {"&Цифровой индикатор", 40022}}},
        {"&Питание",
         {{"&Вкл.", 40026},
          {"В&ыкл.", 40027},
          {"&Пересчитать", command::PowerSettle},
          {"&Сбросить триггеры", command::PowerResetTriggers}}},
        {"Управление генератором",
         {{"&Пуск", 40031}, {"&Стоп", 40032}, {"&Такт", command::GeneratorTick}}},
        {"&Анализ",
         {{"&Функции схемы...", 41020},
          {"&Автомат...", 41021},
          {"&Проверить по таблице...", 41022},
          {"&Временная диаграмма", 41030}}},
        {"&Справка", {{"&О программе...", 40001}, {"&Помощь", 57670}}},
    };
    std::vector<std::pair<QString, Items>> actual;
    for (QAction* title : window().menuBar()->actions()) {
        ASSERT_NE(title->menu(), nullptr);
        Items items;
        for (QAction* action : title->menu()->actions()) {
            EXPECT_FALSE(action->isSeparator());
            // Only the view's remembered choices are check items.
            const bool choice = desktop::commandIdOf(*action) == command::ViewSettleAfterChange ||
                                desktop::commandIdOf(*action) == command::ViewWireLevels;
            EXPECT_EQ(action->isCheckable(), choice) << action->text().toStdString();
            items.emplace_back(action->text(), desktop::commandIdOf(*action));
        }
        actual.emplace_back(title->text(), items);
    }
    EXPECT_EQ(actual, expected);
}

TEST_F(MainWindowTest, PowerAndGeneratorItemsFollowThePowerWhenTheirMenuOpens) {
    EXPECT_EQ(powerAndGeneratorItems(), (std::vector<bool>{true, false, false, false}));
    item("&Питание", "&Вкл.")->trigger();
    EXPECT_TRUE(window().core().isPowerOn());
    EXPECT_EQ(powerAndGeneratorItems(), (std::vector<bool>{false, true, true, true}));
    openAndClose("&Файл");
    EXPECT_TRUE(item("&Файл", "&Сохранить")->isEnabled());
    item("&Питание", "В&ыкл.")->trigger();
    EXPECT_EQ(powerAndGeneratorItems(), (std::vector<bool>{true, false, false, false}));
}

TEST_F(MainWindowTest, TheItemsShowTheirKeys) {
    const std::map<std::pair<QString, QString>, std::string> keys = {
        {{"&Файл", "&Новый..."}, "Ctrl+N"},
        {{"&Файл", "&Открыть..."}, "Ctrl+O"},
        {{"&Файл", "&Сохранить"}, "Ctrl+S"},
        {{"&Файл", "Сохранить &как..."}, "Ctrl+Shift+S"},
        {{"П&равка", "&Отменить"}, "Ctrl+Z"},
        {{"П&равка", "&Повторить"}, "Ctrl+Y; Ctrl+Shift+Z"},
        {{"П&равка", "&Вырезать"}, "Ctrl+X"},
        {{"П&равка", "&Копировать"}, "Ctrl+C"},
        {{"П&равка", "Вст&авить"}, "Ctrl+V"},
        {{"П&равка", "&Удалить"}, "Del"},
        {{"П&равка", "Выделить в&сё"}, "Ctrl+A"},
        {{"П&равка", "Пре&рвать"}, "Esc"},
        {{"П&равка", "Сдвинуть влево"}, "Left"},
        {{"П&равка", "Сдвинуть вправо"}, "Right"},
        {{"П&равка", "Сдвинуть вверх"}, "Up"},
        {{"П&равка", "Сдвинуть вниз"}, "Down"},
        {{"&Справка", "&Помощь"}, "F1"},
        {{"&Питание", "&Пересчитать"}, "F5"},
        {{"Управление генератором", "&Такт"}, "Ctrl+T"},
        {{"В&ид", "Крупнее"}, "Ctrl+="},
        {{"В&ид", "Мельче"}, "Ctrl+-"},
        {{"В&ид", "Обычный размер"}, "Ctrl+0"},
    };
    for (QAction* title : window().menuBar()->actions()) {
        for (QAction* action : title->menu()->actions()) {
            const auto expected = keys.find({title->text(), action->text()});
            EXPECT_EQ(QKeySequence::listToString(action->shortcuts()).toStdString(),
                      expected == keys.end() ? std::string() : expected->second)
                << action->text().toStdString();
        }
    }
}

// The keys reach the core whatever the items showed when their menu was last open,
// and the core's rule decides: nothing to undo, or a gesture under way, and the key
// does nothing.
TEST_F(MainWindowTest, UndoAndRedoFollowTheRuleInTheMenuAndByTheKeys) {
    window().show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    CVortafrm& core = window().core();
    auto undoRedoItems = [&] {
        openAndClose("П&равка");
        return std::vector<bool>{item("П&равка", "&Отменить")->isEnabled(),
                                 item("П&равка", "&Повторить")->isEnabled()};
    };
    auto press = [&](int key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(&window(), static_cast<Qt::Key>(key), modifiers);
    };
    auto placed = [&] { return !core.circuit().isEmpty(); };
    EXPECT_EQ(undoRedoItems(), (std::vector<bool>{false, false}));

    core.OnCommand(command::InsertTrigger);
    core.OnLButtonDown(platform::MK_LBUTTON, {100, 100});
    core.OnLButtonUp(0, {100, 100});
    ASSERT_TRUE(placed());
    ASSERT_FALSE(item("П&равка", "&Отменить")->isEnabled()) << "as the menu last showed it";
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(placed());
    EXPECT_EQ(undoRedoItems(), (std::vector<bool>{false, true}));
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(placed());
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(placed());
    EXPECT_EQ(undoRedoItems(), (std::vector<bool>{true, false}));

    core.OnCommand(command::InsertSummer);
    EXPECT_EQ(undoRedoItems(), (std::vector<bool>{false, false})) << "a summer waits to be placed";
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(placed());
}

// The manual beside the program opens in the browser; when no browser can be
// started the note that names it is shown instead.
TEST_F(MainWindowTest, F1OpensTheManualOrElseShowsTheHelpNote) {
    window().show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    const std::string manual = (directory.path() / "help.html").string();
    std::ofstream(manual) << "<html></html>";
    window().setManualPath(QString::fromStdString(manual));
    std::vector<QUrl> opened;
    bool browserStarts = true;
    window().setBrowser([&](const QUrl& url) {
        opened.push_back(url);
        return browserStarts;
    });
    QString shown;
    auto closeNote = [&shown] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            shown = dialog->windowTitle();
            dialog->close();
        }
    };
    QTimer::singleShot(0, &window(), closeNote);
    QTest::keyClick(&window(), Qt::Key_F1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(QString::fromStdString(manual)));
    EXPECT_TRUE(shown.isEmpty());

    browserStarts = false;
    QTimer::singleShot(0, &window(), closeNote);
    QTest::keyClick(&window(), Qt::Key_F1);
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_EQ(shown, QString("Краткое руководство пользователя"));
}

// Under the work area, which keeps the client's height less the line's.
TEST_F(MainWindowTest, TheStatusLineSitsUnderTheWorkAreaAndFollowsTheCore) {
    window().showAtHome();
    EXPECT_EQ(window().statusText(), QString("без имени   |   Питание выключено"));
    window().core().OnCommand(command::PowerOn);
    EXPECT_EQ(window().statusText(),
              QString("без имени   |   Питание включено   |   Генератор остановлен"));
    const QWidget* line = window().statusBar();
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(window().workArea().geometry().bottom() + 1, line->geometry().top());
    EXPECT_EQ(window().workArea().height() + line->height() + window().menuBar()->height(),
              window().height());
}

// A check item is the user's choice: the next window starts with it as it was left.
TEST_F(MainWindowTest, TheViewOptionsAreRememberedForTheNextWindow) {
    QSettings("lotra", "lotra").clear();
    QAction* colours = item("В&ид", "Цвет проводов по уровню");
    ASSERT_NE(colours, nullptr);
    openAndClose("В&ид");
    EXPECT_FALSE(colours->isChecked());
    colours->trigger();
    EXPECT_TRUE(window().core().isCommandChecked(command::ViewWireLevels));
    window_.reset();
    EXPECT_TRUE(window().core().isCommandChecked(command::ViewWireLevels));
    EXPECT_FALSE(window().core().isCommandChecked(command::ViewSettleAfterChange));
    openAndClose("В&ид");
    EXPECT_TRUE(item("В&ид", "Цвет проводов по уровню")->isChecked());
    item("В&ид", "Цвет проводов по уровню")->trigger();
    window_.reset();
    EXPECT_FALSE(window().core().isCommandChecked(command::ViewWireLevels));
    QSettings("lotra", "lotra").clear();
}

TEST_F(MainWindowTest, TheWindowOpensTitledAtItsOuterRectangle) {
    window().showAtHome();
    EXPECT_EQ(window().windowTitle(), QString("Лотра - 2"));
    EXPECT_EQ(window().frameGeometry(), QRect(100, 50, 640, 480));
}

TEST_F(MainWindowTest, ControlsAreLaidOutForTheClientSize) {
    window().resize(700, 520);
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    const QSize client = window().workArea().size();
    const int w = client.width();
    const int h = client.height();
    ASSERT_GT(h, 100);
    using platform::ControlId;
    EXPECT_EQ(window().control(ControlId::VerticalBar).geometry(), QRect(0, 0, 17, h - 17));
    EXPECT_EQ(window().control(ControlId::HorizontalBar).geometry(), QRect(17, h - 17, w - 17, 17));
    EXPECT_EQ(window().control(ControlId::CornerButton).geometry(), QRect(0, h - 17, 17, 17));
    EXPECT_TRUE(window().control(ControlId::CornerButton).isVisible());
    EXPECT_TRUE(
        static_cast<QPushButton&>(window().control(ControlId::CornerButton)).text().isEmpty());
    QScrollBar& vertical = window().scrollBar(platform::ScrollBarId::Vertical);
    QScrollBar& horizontal = window().scrollBar(platform::ScrollBarId::Horizontal);
    EXPECT_EQ(vertical.orientation(), Qt::Vertical);
    EXPECT_EQ(vertical.maximum(), 2048 - h);
    EXPECT_EQ(horizontal.maximum(), 2048 - w);
    // The client area starts below the menu bar.
    EXPECT_EQ(window().workArea().mapTo(&window(), QPoint(0, 0)).y(), window().menuBar()->height());

    window().resize(600, 400);
    QTest::qWait(10);
    const int newHeight = window().workArea().height();
    EXPECT_EQ(vertical.geometry(), QRect(0, 0, 17, newHeight - 17));
    EXPECT_EQ(vertical.maximum(), 2048 - newHeight);
}

TEST_F(MainWindowTest, TimersAreStartedAndStoppedByTheCommands) {
    EXPECT_EQ(activeTimers(), (std::multiset<int>{15000})) << "autosave from the start";
    item("&Питание", "&Вкл.")->trigger();
    item("Управление генератором", "&Пуск")->trigger();
    item("Управление генератором", "&Пуск")->trigger();
    EXPECT_EQ(activeTimers(), (std::multiset<int>{100, 15000}));
    item("Управление генератором", "&Стоп")->trigger();
    EXPECT_EQ(activeTimers(), (std::multiset<int>{15000}));
    item("Управление генератором", "&Пуск")->trigger();
    item("&Питание", "В&ыкл.")->trigger();
    EXPECT_EQ(activeTimers(), (std::multiset<int>{15000}));
}

TEST_F(MainWindowTest, TheGeneratorClockTicksTheCircuitInRealTime) {
    const SampleCircuit sample = giveSampleCircuit(window().core());
    item("&Питание", "&Вкл.")->trigger();
    item("Управление генератором", "&Пуск")->trigger();
    const CCircuit& circuit = window().core().circuit();
    const CBlockElement& generator = *circuit.blockElements[sample.generator];
    EXPECT_TRUE(QTest::qWaitFor([&] { return generator.tickCounter >= 3; }, 2000));
    EXPECT_EQ(circuit.blockElements[sample.trigger]->pins[3].value, generator.pins[9].value)
        << "each switching point settles the trigger's clock";
}

TEST_F(MainWindowTest, TheRecoveryFileIsRestoredAtStartAndEmptiedWhenTheWindowCloses) {
    CCircuit sample;
    buildSampleCircuit(sample);
    ASSERT_TRUE(io::writeCircuitFile(io::kRecoveryFileName, sample));
    window().show();
    EXPECT_EQ(io::encodeCircuit(window().core().circuit()), io::encodeCircuit(sample));
    EXPECT_FALSE(window().core().isPowerOn());
    item("&Питание", "&Вкл.")->trigger();
    item("Управление генератором", "&Пуск")->trigger();

    // The restored work was never saved: "Выход" asks, "Отмена" keeps the window
    // and "Не сохранять" lets it go.
    QString question;
    QStringList buttons;
    const auto answerWith = [&](const QString& button) {
        QTimer::singleShot(0, &window(), [&, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            question = box->text();
            buttons.clear();
            for (QAbstractButton* each : box->buttons()) buttons << each->text();
            for (QAbstractButton* each : box->buttons())
                if (each->text() == button) each->click();
        });
    };
    answerWith("Отмена");
    item("&Файл", "В&ыход")->trigger();
    EXPECT_EQ(question, "Сохранить изменения в схеме?");
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Не сохранять", "Отмена", "Сохранить"}));
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(activeTimers().empty());

    answerWith("Не сохранять");
    item("&Файл", "В&ыход")->trigger();
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(activeTimers().empty());
    EXPECT_EQ(std::filesystem::file_size(io::kRecoveryFileName), 0u);
}

TEST_F(MainWindowTest, TheAutomatonWindowShowsTheTableAndGraphAndFollowsTheCircuit) {
    giveSampleCircuit(window().core());
    item("&Анализ", "&Автомат...")->trigger();
    desktop::CAutomatonWindow* automaton = window().automatonWindow();
    ASSERT_NE(automaton, nullptr);
    EXPECT_TRUE(automaton->isVisible());
    EXPECT_TRUE(automaton->tableText().startsWith("Автомат М"))
        << automaton->tableText().toStdString();
    EXPECT_FALSE(automaton->graph().isNull()) << "Graphviz drew the state graph";

    window().core().replaceCircuit(CCircuit{}, "");
    EXPECT_TRUE(automaton->tableText().startsWith("Схема комбинационная"));
    EXPECT_TRUE(automaton->graph().isNull());
}

// The graph is saved as every picture is: a file already there is replaced only
// after the warning.
TEST_F(MainWindowTest, TheAutomatonGraphReplacesAFileOnlyAfterTheWarning) {
    giveSampleCircuit(window().core());
    ScriptedShell shell;
    desktop::CAutomatonWindow automaton(window().core(), shell, nullptr);
    automaton.open();
    QPushButton* save = nullptr;
    for (QPushButton* button : automaton.findChildren<QPushButton*>())
        if (button->text() == "Сохранить рисунок...") save = button;
    ASSERT_NE(save, nullptr);
    { std::ofstream("graph.svg") << "kept"; }
    shell.fileNameAnswers = {"graph.svg", "graph.svg"};
    shell.warningAnswers = {false, true};
    save->click();
    EXPECT_EQ(shell.warnings.size(), 1u);
    EXPECT_EQ(textOf("graph.svg"), "kept");
    save->click();
    EXPECT_EQ(shell.warnings.size(), 2u);
    EXPECT_TRUE(textOf("graph.svg").starts_with("<?xml")) << textOf("graph.svg");
}

}  // namespace
