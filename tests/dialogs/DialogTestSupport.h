#pragma once
#include <QDialog>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <functional>

// Closes every modal message box that opens while it lives, remembering the texts:
// the validation messages run their own event loop, which this timer reaches.
class MessageBoxWatcher : public QObject {
  public:
    MessageBoxWatcher();
    QStringList texts;

  private:
    QTimer timer_;
};

// Shows the dialog non-modally and waits until it is the active window, so focus
// and key presses behave as for a user.
bool showActive(QDialog& dialog);

template <class T>
T* control(QWidget* dialog, const char* name) {
    return dialog->findChild<T*>(QString::fromLatin1(name));
}

// Replaces the field's text as a user would: select everything, then type.
void typeInto(QLineEdit* edit, const QString& text);
void clickButton(QWidget* dialog, const char* name);

// True when the dialog is still open with the keyboard focus in `field` and its whole
// text selected: the state a refused field is left in.
bool isRefusedOn(QDialog& dialog, QLineEdit* field);

// Runs `act` on the modal dialog that `run` opens, then returns what `run` returned.
// `acted` tells whether a modal dialog was found at all.
void whenModalOpens(std::function<void(QDialog&)> act, bool& acted);
