// CCircuitApp: the application object. Only one copy runs per user: a second one
// asks the first to restore its window and ends without one of its own.
#include <QApplication>
#include <memory>

#include "app/Vortafrm.h"
#include "desktop/DesktopWindow.h"
#include "desktop/QtTexts.h"
#include "desktop/SingleInstance.h"
#include "desktop/ViewSettings.h"
#include "platform/ProgramName.h"

namespace {

class CCircuitApp : public QApplication {
  public:
    CCircuitApp(int& argc, char** argv) : QApplication(argc, argv) {}

    // False when the program is to end at once.
    bool InitInstance() {
        const QString title = QString::fromUtf8(platform::kProgramName);
        instance_ = std::make_unique<desktop::CSingleInstance>(desktop::instanceKey(title));
        if (!instance_->claim()) return false;
        // Only the copy that shows a window needs Qt's texts.
        desktop::installRussianQtTexts(*this);
        window_ = std::make_unique<desktop::CDesktopWindow>();
        window_->core().restoreZoom(desktop::rememberedZoom());
        QObject::connect(window_.get(), &desktop::CDesktopWindow::zoomChosen, window_.get(),
                         &desktop::rememberZoom);
        QObject::connect(instance_.get(), &desktop::CSingleInstance::restoreRequested,
                         window_.get(), &desktop::CDesktopWindow::restoreIfMinimized);
        window_->showAtHome();
        return true;
    }

  private:
    std::unique_ptr<desktop::CSingleInstance> instance_;
    std::unique_ptr<desktop::CDesktopWindow> window_;
};

}  // namespace

int main(int argc, char** argv) {
    CCircuitApp app(argc, argv);
    if (!app.InitInstance()) return 0;
    return CCircuitApp::exec();
}
