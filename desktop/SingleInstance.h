#pragma once
#include <QLocalServer>
#include <QObject>
#include <QString>

// Only one copy of the program runs per user: the first one listens on a local
// socket named from the window title and the user; a later copy connects, asks
// it to restore its window, and ends without a window of its own.
namespace desktop {

// The socket name for the window title and the current user.
QString instanceKey(const QString& windowTitle);

class CSingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit CSingleInstance(QString key, QObject* parent = nullptr);

    // False when another copy runs: it has been asked to restore its window.
    // Otherwise this is the first copy, which from now on answers later ones; a
    // socket left behind by a copy that died is removed, so it never blocks a start.
    bool claim();

  Q_SIGNALS:
    void restoreRequested();

  private:
    bool askRunningCopy();
    void serve(QLocalSocket* socket);

    QString key_;
    QLocalServer server_;
};

}  // namespace desktop
