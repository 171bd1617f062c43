#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <random>

#include "ShownWindowTest.h"
#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "desktop/WebCustomData.h"
#include "platform/Shell.h"

namespace {

// What a browser put on the clipboard for a page that set "AQIDBAU=" under the
// program's type in its copy event.
const char* const kFromTheBrowser =
    "54000000010000001b0000006100700070006c00690063006100740069006f006e002f0078002d006c006f00"
    "7400720061002d00630069007200630075006900740000000800000041005100490044004200410055003d00";

// The browser's bytes read, ours read back, and any damage to them read as nothing
// rather than past their end.
TEST(WebCustomDataTest, ReadsTheBrowsersFormAndSurvivesAnyDamage) {
    const QString type = QString::fromUtf8(platform::kCircuitClipboardType);
    const QByteArray browser = QByteArray::fromHex(kFromTheBrowser);
    EXPECT_EQ(desktop::webCustomDataText(browser, type), QString("AQIDBAU="));
    EXPECT_EQ(desktop::encodeWebCustomData({{type, "AQIDBAU="}}), browser);
    const QByteArray two = desktop::encodeWebCustomData({{"text/x-other", "ё"}, {type, "xyz"}});
    EXPECT_EQ(desktop::webCustomDataText(two, type), QString("xyz"));
    EXPECT_EQ(desktop::webCustomDataText(two, "text/x-none"), std::nullopt);
    std::mt19937 random(29);
    for (int trial = 0; trial < 2000; ++trial) {
        QByteArray damaged = two.left(static_cast<qsizetype>(random() % (two.size() + 1)));
        if (!damaged.isEmpty() && random() % 2)
            damaged[static_cast<qsizetype>(random() % damaged.size())] =
                static_cast<char>(random());
        const std::optional<QString> text = desktop::webCustomDataText(damaged, type);
        if (text) {
            EXPECT_LE(text->size(), damaged.size() / 2);
        }
    }
}

class ClipboardTest : public ShownWindowTest {
  protected:
    bool pasteEnabled() { return window->core().isCommandEnabled(command::EditPaste); }
};

// A copied group comes back from the clipboard, by the program's type or by the
// browser's form of it; the picture goes along. "Вставить" is enabled only while
// the clipboard holds a group.
TEST_F(ClipboardTest, TheGroupGoesOnTheClipboardInBothFormsWithItsPicture) {
    const std::vector<uint8_t> bytes{1, 2, 3, 250, 0, 7};
    window->putOnClipboard(bytes, {30, 20}, [](platform::Canvas&) {});
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(held);
    EXPECT_TRUE(held->hasImage());
    EXPECT_TRUE(held->hasFormat(desktop::kWebCustomDataFormat));
    EXPECT_EQ(window->clipboardCircuit(), bytes);
    EXPECT_TRUE(pasteEnabled());

    auto* fromPage = new QMimeData;
    fromPage->setData(
        desktop::kWebCustomDataFormat,
        desktop::encodeWebCustomData({{platform::kCircuitClipboardType, "AQIDBAU="}}));
    QGuiApplication::clipboard()->setMimeData(fromPage);
    EXPECT_EQ(window->clipboardCircuit(), (std::vector<uint8_t>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(pasteEnabled());
    QGuiApplication::clipboard()->setText("some text");
    EXPECT_EQ(window->clipboardCircuit(), std::nullopt);
    EXPECT_FALSE(pasteEnabled());
}

}  // namespace
