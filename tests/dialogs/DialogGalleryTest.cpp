#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <functional>
#include <memory>

#include "DialogTestSupport.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/DeleteConfirmDlg.h"
#include "dialogs/FileNameDlg.h"
#include "dialogs/GeneratorDlg.h"
#include "dialogs/HelpNoteDlg.h"
#include "dialogs/LogicElementDlg.h"
#include "dialogs/PinChoiceDlg.h"
#include "dialogs/QuestionDlg.h"
#include "dialogs/WarningDlg.h"
#include "model/LogicElement.h"

// Every dialog opens at its template's size with its title. With LOTRA_DIALOG_SHOTS
// set to a folder, each one is also photographed from the screen there (run under
// Xvfb with QT_QPA_PLATFORM=xcb for real window pictures; see take-screenshots.sh).
namespace {

struct GalleryEntry {
    const char* name;
    const char* title;
    QSize size;  // client size in pixels
    std::function<std::unique_ptr<QDialog>()> make;
};

std::unique_ptr<QDialog> logicElement() {
    auto dialog = std::make_unique<dialogs::CLogicElementDlg>(nullptr);
    return dialog;
}

std::unique_ptr<QDialog> generator() {
    auto dialog = std::make_unique<dialogs::CGeneratorDlg>(nullptr);
    dialog->period = 1.0f;
    dialog->duty = 0.5f;
    return dialog;
}

std::unique_ptr<QDialog> question() {
    auto dialog = std::make_unique<dialogs::CQuestionDlg>(nullptr);
    dialog->line1 = "Изменить параметры";
    dialog->line2 = "логического элемента?";
    return dialog;
}

std::unique_ptr<QDialog> fileName() {
    auto dialog = std::make_unique<dialogs::CFileNameDlg>(nullptr);
    dialog->label = "Создать файл:";
    dialog->fileName = "schema.vrt";
    return dialog;
}

std::unique_ptr<QDialog> warning() {
    auto dialog = std::make_unique<dialogs::CWarningDlg>(nullptr);
    dialog->line1 = "Внимание!!!";
    dialog->line2 = "При создании нового файла";
    dialog->line3 = "вся несохраненная информация будет потеряна!";
    return dialog;
}

std::unique_ptr<QDialog> pinChoice() {
    auto dialog = std::make_unique<dialogs::CPinChoiceDlg>(nullptr);
    CLogicElement gate(true, 5, true);
    gate.pins[1].connected = 1;
    dialog->pins = gate.pins;
    dialog->bodyBitmap = gate.bodyBitmap;
    dialog->width = gate.width;
    dialog->height = gate.height;
    dialog->outputBitmap = gate.outputBitmap;
    dialog->symbolBitmap = bitmap::GlyphAnd;
    return dialog;
}

const GalleryEntry kGallery[] = {
    {"logic-element", "Логический элемент", {279, 145}, logicElement},
    {"delete-confirm",
     "Удаление выделенных элементов",
     {231, 96},
     [] { return std::make_unique<dialogs::CDeleteConfirmDlg>(nullptr, nullptr); }},
    {"question", "Изменение параметров", {212, 81}, question},
    {"generator", "Генератор импульсов", {279, 154}, generator},
    {"file-name", "Операции с файлами", {279, 102}, fileName},
    {"warning", "Предупреждение", {302, 120}, warning},
    {"pin-choice", "Проводник", {279, 254}, pinChoice},
    {"about",
     "О программе",
     {321, 317},
     [] { return std::make_unique<dialogs::CAboutDlg>(nullptr); }},
    {"help-note",
     "Краткое руководство пользователя",
     {257, 106},
     [] { return std::make_unique<dialogs::CHelpNoteDlg>(nullptr); }},
};

TEST(DialogGallery, EveryDialogOpensAtItsTemplateSizeWithItsTitleAndWholeTexts) {
    const QString shots = qEnvironmentVariable("LOTRA_DIALOG_SHOTS");
    for (const GalleryEntry& entry : kGallery) {
        std::unique_ptr<QDialog> dialog = entry.make();
        ASSERT_TRUE(showActive(*dialog)) << entry.name;
        EXPECT_EQ(dialog->size(), entry.size) << entry.name;
        EXPECT_EQ(dialog->windowTitle(), entry.title) << entry.name;
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height())
                << entry.name << ": cut off: " << label->text().toStdString();
        }
        if (!shots.isEmpty()) {
            QTest::qWait(200);  // let the window manager-less server map and paint it
            const QPixmap shot = dialog->screen()->grabWindow(
                0, dialog->frameGeometry().x(), dialog->frameGeometry().y(),
                dialog->frameGeometry().width(), dialog->frameGeometry().height());
            EXPECT_TRUE(shot.save(QDir(shots).filePath(QString(entry.name) + ".png")))
                << entry.name;
        }
    }
}

TEST(DialogGallery, ControlsSitAtTheirTemplatePositions) {
    dialogs::CLogicElementDlg logic(nullptr);
    // (7, 68, 50, 14) and (78, 7, 29, 13) in dialog units of 1.5 by 1.625 pixels.
    EXPECT_EQ(control<QWidget>(&logic, "ok")->geometry(), QRect(11, 111, 75, 22));
    EXPECT_EQ(control<QWidget>(&logic, "edit1006")->geometry(), QRect(117, 11, 44, 22));
    EXPECT_EQ(control<QWidget>(&logic, "updown1065")->geometry(), QRect(161, 11, 13, 22));
    dialogs::CHelpNoteDlg note(nullptr);
    // (54, 34, 38, 12) in the larger units of its 10-point font.
    EXPECT_EQ(control<QWidget>(&note, "ok")->geometry(), QRect(95, 68, 66, 24));
}

TEST(DialogGallery, TheAboutBoxShowsTheApplicationIcon) {
    dialogs::CAboutDlg dialog(nullptr);
    ASSERT_TRUE(showActive(dialog));
    const QLabel* icon = control<QLabel>(&dialog, "icon101");
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
}

}  // namespace
