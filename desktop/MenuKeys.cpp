#include "desktop/MenuKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <optional>

namespace desktop {

namespace {

// The Russian letter on each key of the standard Russian layout that also bears a
// Latin letter or sign.
struct KeyLetter {
    Qt::Key key;
    char16_t letter;
};
// clang-format off
constexpr KeyLetter kRussianOnLatinKeys[] = {
    {Qt::Key_F, u'а'}, {Qt::Key_Comma, u'б'}, {Qt::Key_D, u'в'}, {Qt::Key_U, u'г'},
    {Qt::Key_L, u'д'}, {Qt::Key_T, u'е'}, {Qt::Key_Semicolon, u'ж'}, {Qt::Key_P, u'з'},
    {Qt::Key_B, u'и'}, {Qt::Key_Q, u'й'}, {Qt::Key_R, u'к'}, {Qt::Key_K, u'л'},
    {Qt::Key_V, u'м'}, {Qt::Key_Y, u'н'}, {Qt::Key_J, u'о'}, {Qt::Key_G, u'п'},
    {Qt::Key_H, u'р'}, {Qt::Key_C, u'с'}, {Qt::Key_N, u'т'}, {Qt::Key_E, u'у'},
    {Qt::Key_A, u'ф'}, {Qt::Key_BracketLeft, u'х'}, {Qt::Key_W, u'ц'}, {Qt::Key_X, u'ч'},
    {Qt::Key_I, u'ш'}, {Qt::Key_O, u'щ'}, {Qt::Key_BracketRight, u'ъ'}, {Qt::Key_S, u'ы'},
    {Qt::Key_M, u'ь'}, {Qt::Key_Apostrophe, u'э'}, {Qt::Key_Period, u'ю'}, {Qt::Key_Z, u'я'},
};
// clang-format on

std::optional<QChar> russianLetterOn(int key) {
    for (const KeyLetter& each : kRussianOnLatinKeys)
        if (each.key == key) return QChar(each.letter);
    return std::nullopt;
}

std::optional<Qt::Key> latinKeyOf(QChar letter) {
    for (const KeyLetter& each : kRussianOnLatinKeys)
        if (QChar(each.letter) == letter.toLower()) return each.key;
    return std::nullopt;
}

// The underlined letter of a menu title or item text, lower case.
std::optional<QChar> mnemonicOf(const QString& text) {
    const qsizetype at = text.indexOf(u'&');
    if (at < 0 || at + 1 >= text.size()) return std::nullopt;
    return text.at(at + 1).toLower();
}

void openFirstMenu(QMenuBar& bar) {
    if (!bar.actions().isEmpty()) bar.setActiveAction(bar.actions().first());
}

// In an open menu (or on the lit bar) a Latin key is passed on as the Russian
// letter it bears, which the menu then matches with its items' underlined letters.
class LatinKeysInMenu : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
        const std::optional<QChar> letter = russianLetterOn(key->key());
        if (!letter || (!key->text().isEmpty() && key->text().at(0).toLower() == *letter))
            return false;
        QKeyEvent russian(QEvent::KeyPress, QChar(*letter).toUpper().unicode(), key->modifiers(),
                          QString(*letter));
        QCoreApplication::sendEvent(watched, &russian);
        return true;
    }
};

}  // namespace

void connectMenuKeys(QMenuBar& bar) {
    QWidget* window = bar.window();
    auto* inMenus = new LatinKeysInMenu(&bar);
    // The bar too, while Alt alone has lit a title and its letters choose a menu.
    bar.installEventFilter(inMenus);
    for (QAction* title : bar.actions()) {
        if (title->menu()) title->menu()->installEventFilter(inMenus);
        const std::optional<QChar> letter = mnemonicOf(title->text());
        const std::optional<Qt::Key> latin = letter ? latinKeyOf(*letter) : std::nullopt;
        if (!latin) continue;
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | *latin), window);
        QObject::connect(shortcut, &QShortcut::activated, &bar,
                         [&bar, title] { bar.setActiveAction(title); });
    }
    // Alt alone is Qt's own: the style lights the first title, and the arrows and
    // Enter go on from there.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    QObject::connect(f10, &QShortcut::activated, &bar, [&bar] { openFirstMenu(bar); });
}

}  // namespace desktop
