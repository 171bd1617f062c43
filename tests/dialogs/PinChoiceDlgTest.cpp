#include <gtest/gtest.h>

#include <QPainter>
#include <QRadioButton>
#include <QTest>
#include <set>

#include "DialogTestSupport.h"
#include "canvas/BitmapStore.h"
#include "dialogs/PinChoiceDlg.h"
#include "model/BlockElement.h"
#include "model/LogicElement.h"

using dialogs::CPinChoiceDlg;

namespace {

// Rectangles as left, top, right, bottom with right and bottom exclusive.
QRect pixels(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void fillFrom(CPinChoiceDlg& dialog, const CLogicElement& gate) {
    dialog.pins = gate.pins;
    dialog.bodyBitmap = gate.bodyBitmap;
    dialog.width = gate.width;
    dialog.height = gate.height;
    dialog.outputBitmap = gate.outputBitmap;
    dialog.symbolBitmap = gate.isConjunction ? bitmap::GlyphAnd : bitmap::GlyphOr;
}

void fillFrom(CPinChoiceDlg& dialog, const CBlockElement& block) {
    dialog.pins = block.pins;
    dialog.bodyBitmap = block.bitmap;
    dialog.width = block.width;
    dialog.height = block.height;
    dialog.twoOutputs = hasTwoOutputs(kindInfo(block.kind));
}

QRadioButton* pinButton(CPinChoiceDlg& dialog, int pin) {
    return control<QRadioButton>(&dialog, QStringLiteral("pin%1").arg(pin).toLatin1());
}

std::set<int> shownPins(CPinChoiceDlg& dialog) {
    std::set<int> shown;
    for (int pin = 0; pin < kPinCount; ++pin) {
        if (pinButton(dialog, pin)->isVisible()) shown.insert(pin);
    }
    return shown;
}

TEST(PinChoiceDialog, ATwoInputGateOffersItsTwoInputsAndItsOutput) {
    CPinChoiceDlg dialog(nullptr);
    fillFrom(dialog, CLogicElement(true, 2, false));
    ASSERT_TRUE(showActive(dialog));
    EXPECT_EQ(dialog.windowTitle(), "Проводник");
    EXPECT_EQ(shownPins(dialog), (std::set<int>{0, 4, 9}));
    EXPECT_EQ(pinButton(dialog, 0)->geometry(), pixels(10, 65, 25, 80));
    EXPECT_EQ(pinButton(dialog, 4)->geometry(), pixels(10, 145, 25, 160));
    EXPECT_EQ(pinButton(dialog, 9)->geometry(), pixels(160, 105, 175, 120));
}

TEST(PinChoiceDialog, OutputButtonsFollowTheElementsSize) {
    CPinChoiceDlg nineInputs(nullptr);
    fillFrom(nineInputs, CLogicElement(false, 9, true));
    ASSERT_TRUE(showActive(nineInputs));
    EXPECT_EQ(shownPins(nineInputs), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(pinButton(nineInputs, 8)->geometry(), pixels(10, 225, 25, 240));
    EXPECT_EQ(pinButton(nineInputs, 9)->geometry(), pixels(160, 145, 175, 160));

    CPinChoiceDlg indicator(nullptr);
    fillFrom(indicator, CLogicElement(Indicator));
    ASSERT_TRUE(showActive(indicator));
    EXPECT_EQ(shownPins(indicator), (std::set<int>{0, 1, 2, 3, 4}));
}

TEST(PinChoiceDialog, TriggerAndSummerHaveTheirOutputsHighAndLow) {
    for (ElementKind kind : {Trigger, Summer}) {
        CPinChoiceDlg dialog(nullptr);
        fillFrom(dialog, CBlockElement(kind));
        ASSERT_TRUE(showActive(dialog));
        EXPECT_EQ(shownPins(dialog), (std::set<int>{0, 3, 6, 9, 10})) << kindInfo(kind).name;
        EXPECT_EQ(pinButton(dialog, 9)->geometry(), pixels(200, 85, 215, 100))
            << kindInfo(kind).name;
        EXPECT_EQ(pinButton(dialog, 10)->geometry(), pixels(200, 165, 215, 180))
            << kindInfo(kind).name;
    }
}

TEST(PinChoiceDialog, AnInputSignalOffersOnlyItsOutput) {
    for (ElementKind kind : {EntrSignal, GTI}) {
        CPinChoiceDlg dialog(nullptr);
        fillFrom(dialog, CBlockElement(kind));
        ASSERT_TRUE(showActive(dialog));
        EXPECT_EQ(shownPins(dialog), (std::set<int>{9})) << kindInfo(kind).name;
        EXPECT_EQ(pinButton(dialog, 9)->geometry(), pixels(144, 87, 159, 102))
            << kindInfo(kind).name;
    }
}

TEST(PinChoiceDialog, AConnectedPinIsGreyedAndCannotBeChosen) {
    CBlockElement trigger(Trigger);
    trigger.pins[3].connected = 1;
    CPinChoiceDlg dialog(nullptr);
    fillFrom(dialog, trigger);
    ASSERT_TRUE(showActive(dialog));
    QRadioButton* used = pinButton(dialog, 3);
    EXPECT_TRUE(used->isVisible());
    EXPECT_FALSE(used->isEnabled());
    EXPECT_TRUE(pinButton(dialog, 0)->isEnabled());
    QTest::mouseClick(used, Qt::LeftButton);
    EXPECT_FALSE(used->isChecked());
    EXPECT_EQ(dialog.chosenPin, CPinChoiceDlg::kNoPin);
}

TEST(PinChoiceDialog, TheLastClickWinsWithOneCheckMark) {
    CPinChoiceDlg dialog(nullptr);
    fillFrom(dialog, CBlockElement(Trigger));
    ASSERT_TRUE(showActive(dialog));
    EXPECT_EQ(dialog.chosenPin, CPinChoiceDlg::kNoPin);
    QTest::mouseClick(pinButton(dialog, 3), Qt::LeftButton);
    EXPECT_EQ(dialog.chosenPin, 3u);
    QTest::mouseClick(pinButton(dialog, 0), Qt::LeftButton);
    QTest::mouseClick(pinButton(dialog, 0), Qt::LeftButton);  // a second click keeps it
    EXPECT_EQ(dialog.chosenPin, 0u);
    for (int pin = 0; pin < kPinCount; ++pin) {
        EXPECT_EQ(pinButton(dialog, pin)->isChecked(), pin == 0) << pin;
    }
    clickButton(&dialog, "ok");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenPin, 0u);
}

// The element's natural-size picture as the user sees it: opaque bitmaps over white.
QImage naturalPicture(int32_t id) {
    const QImage& source = canvas::bitmapImage(id);
    QImage picture(source.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).drawImage(0, 0, source);
    return picture;
}

// True when every pixel of `picture` appears in `shot` as a 4 × 4 square from `origin`.
bool magnifiedFourTimes(const QImage& shot, const QImage& picture, QPoint origin) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            for (int k = 0; k < 16; ++k) {
                const QPoint at = origin + QPoint(4 * x + k % 4, 4 * y + k / 4);
                if (shot.pixel(at) != picture.pixel(x, y)) return false;
            }
        }
    }
    return true;
}

TEST(PinChoiceDialog, ShowsTheElementMagnifiedFourTimesAt30And50) {
    CPinChoiceDlg dialog(nullptr);
    fillFrom(dialog, CBlockElement(Trigger));
    ASSERT_TRUE(showActive(dialog));
    const QImage shot = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage body = naturalPicture(bitmap::TriggerBody);
    ASSERT_EQ(body.size(), QSize(40, 40));
    EXPECT_TRUE(magnifiedFourTimes(shot, body, QPoint(30, 50)));
}

TEST(PinChoiceDialog, AGatePictureCarriesItsOutputMarkAndGlyph) {
    CPinChoiceDlg dialog(nullptr);
    fillFrom(dialog, CLogicElement(false, 6, true));  // 30 × 40, inverted disjunctor
    ASSERT_TRUE(showActive(dialog));
    const QImage shot = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage mark = naturalPicture(bitmap::OutputInverted);
    const QImage glyph = naturalPicture(bitmap::GlyphOr);
    ASSERT_EQ(mark.size(), QSize(5, 5));
    ASSERT_EQ(glyph.size(), QSize(6, 9));
    EXPECT_TRUE(magnifiedFourTimes(shot, mark, QPoint(30 + 4 * 22, 50 + 4 * 18)));
    EXPECT_TRUE(magnifiedFourTimes(shot, glyph, QPoint(30 + 4 * 16, 50 + 4 * 2)));
    // The body's top-left corner, clear of both marks.
    EXPECT_TRUE(
        magnifiedFourTimes(shot, naturalPicture(bitmap::Gate6).copy(0, 0, 16, 16), QPoint(30, 50)));
}

}  // namespace
