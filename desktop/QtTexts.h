#pragma once

class QCoreApplication;
class QTranslator;

namespace desktop {

// Qt's own texts (the context menus of text fields and scroll bars, the buttons of
// its standard message boxes) in Russian, like the rest of the interface, whatever
// the user's locale. The translator belongs to the application; none when Qt's
// Russian translation is not installed, and those texts then stay in English.
QTranslator* installRussianQtTexts(QCoreApplication& application);

}  // namespace desktop
