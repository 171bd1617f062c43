#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "DialogTestSupport.h"
#include "dialogs/DialogRequests.h"
#include "model/BlockElement.h"

namespace {

// What the main window's shell gets back: the fields on OK, nothing otherwise.
TEST(DialogRequests, LogicElementGivesTheFieldsOnOkAndNothingOnCancel) {
    bool acted = false;
    whenModalOpens(
        [](QDialog& d) {
            QTest::mouseClick(control<QRadioButton>(&d, "radio40009"), Qt::LeftButton);
            typeInto(control<QLineEdit>(&d, "edit1006"), "5");
            QTest::mouseClick(control<QCheckBox>(&d, "check1010"), Qt::LeftButton);
            clickButton(&d, "ok");
        },
        acted);
    const auto params = dialogs::runLogicElementDialog(nullptr, {true, 2, false});
    ASSERT_TRUE(acted);
    ASSERT_TRUE(params.has_value());
    EXPECT_EQ(*params, (LogicElementParams{false, 5, true}));

    whenModalOpens(
        [](QDialog& d) {
            QTest::mouseClick(control<QRadioButton>(&d, "radio40009"), Qt::LeftButton);
            clickButton(&d, "cancel");
        },
        acted);
    EXPECT_FALSE(dialogs::runLogicElementDialog(nullptr, {true, 2, false}).has_value());
    EXPECT_TRUE(acted);
}

TEST(DialogRequests, GeneratorGivesTheTypedValuesBack) {
    bool acted = false;
    whenModalOpens(
        [](QDialog& d) {
            typeInto(control<QLineEdit>(&d, "edit1006"), "2.5");
            clickButton(&d, "ok");
        },
        acted);
    const auto params = dialogs::runGeneratorDialog(nullptr, {1.0f, 0.5f, 0.0f});
    ASSERT_TRUE(acted);
    ASSERT_TRUE(params.has_value());
    EXPECT_EQ(*params, (GeneratorParams{2.5f, 0.5f, 0.0f}));

    whenModalOpens([](QDialog& d) { clickButton(&d, "cancel"); }, acted);
    EXPECT_FALSE(dialogs::runGeneratorDialog(nullptr, {1.0f, 0.5f, 0.0f}).has_value());
}

TEST(DialogRequests, PinChoiceGivesAPinOnlyWhenOneWasClicked) {
    platform::PinChoiceRequest request;
    const CBlockElement trigger(Trigger);
    request.pins = trigger.pins;
    request.bodyBitmap = trigger.bitmap;
    request.width = trigger.width;
    request.height = trigger.height;

    bool acted = false;
    whenModalOpens(
        [](QDialog& d) {
            QTest::mouseClick(control<QWidget>(&d, "pin3"), Qt::LeftButton);
            QTest::mouseClick(control<QWidget>(&d, "pin10"), Qt::LeftButton);
            clickButton(&d, "ok");
        },
        acted);
    EXPECT_EQ(dialogs::runPinChoiceDialog(nullptr, request), std::optional<int>(10));

    whenModalOpens([](QDialog& d) { clickButton(&d, "ok"); }, acted);
    EXPECT_EQ(dialogs::runPinChoiceDialog(nullptr, request), std::nullopt);
    EXPECT_TRUE(acted);

    whenModalOpens(
        [](QDialog& d) {
            QTest::mouseClick(control<QWidget>(&d, "pin0"), Qt::LeftButton);
            clickButton(&d, "cancel");
        },
        acted);
    EXPECT_EQ(dialogs::runPinChoiceDialog(nullptr, request), std::nullopt);
    EXPECT_TRUE(acted);
}

TEST(DialogRequests, FileNameAndConfirmationsAnswerAsClicked) {
    bool acted = false;
    whenModalOpens(
        [](QDialog& d) {
            EXPECT_EQ(control<QLineEdit>(&d, "edit1063")->text(), "Имя файла");
            typeInto(control<QLineEdit>(&d, "edit1006"), "схема 1");
            clickButton(&d, "ok");
        },
        acted);
    EXPECT_EQ(dialogs::runFileNameDialog(nullptr, "Имя файла", "old"),
              std::optional<std::string>("схема 1"));
    EXPECT_TRUE(acted);

    whenModalOpens([](QDialog& d) { clickButton(&d, "cancel"); }, acted);
    EXPECT_EQ(dialogs::runFileNameDialog(nullptr, "Имя файла", "old"), std::nullopt);

    whenModalOpens([](QDialog& d) { clickButton(&d, "ok"); }, acted);
    EXPECT_TRUE(dialogs::runWarningDialog(nullptr, "a", "b", "c"));
    whenModalOpens([](QDialog& d) { d.reject(); }, acted);  // closing the window refuses
    EXPECT_FALSE(dialogs::runWarningDialog(nullptr, "a", "b", "c"));

    whenModalOpens([](QDialog& d) { clickButton(&d, "ok"); }, acted);
    EXPECT_TRUE(dialogs::runQuestionDialog(nullptr, "a", "b"));
    whenModalOpens([](QDialog& d) { clickButton(&d, "cancel"); }, acted);
    EXPECT_FALSE(dialogs::runDeleteConfirmDialog(nullptr, nullptr, 10, 10));
    EXPECT_TRUE(acted);
}

}  // namespace
