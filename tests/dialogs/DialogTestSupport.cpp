#include "DialogTestSupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

MessageBoxWatcher::MessageBoxWatcher() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts << box->text();
            box->accept();
        }
    });
    timer_.start();
}

bool showActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowActive(&dialog);
}

void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
    // QTest::keyClicks knows only Latin keys; Cyrillic goes in as key events with text.
    for (QChar c : text) {
        const auto key = Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, edit, key, QString(c), Qt::NoModifier);
    }
}

void clickButton(QWidget* dialog, const char* name) {
    QTest::mouseClick(control<QPushButton>(dialog, name), Qt::LeftButton);
}

bool isRefusedOn(QDialog& dialog, QLineEdit* field) {
    // The focus comes back once the message box has gone and the dialog is active again.
    const bool focused =
        QTest::qWaitFor([field] { return QApplication::focusWidget() == field; }, 1000);
    return focused && dialog.isVisible() && dialog.result() != QDialog::Accepted &&
           field->selectedText() == field->text();
}

void whenModalOpens(std::function<void(QDialog&)> act, bool& acted) {
    acted = false;
    QTimer::singleShot(0, qApp, [act = std::move(act), &acted] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            acted = true;
            act(*dialog);
        }
    });
}
