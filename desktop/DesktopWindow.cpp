#include "desktop/DesktopWindow.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "canvas/BitmapStore.h"
#include "desktop/MainMenu.h"
#include "desktop/MenuKeys.h"
#include "desktop/ScrollActions.h"
#include "desktop/WindowPlacement.h"
#include "desktop/WorkAreaWidget.h"
#include "platform/ProgramName.h"
#include "render/Scrolling.h"

namespace desktop {

namespace {
constexpr int kIconId = 101;
const QRect kOuterRectangle{100, 50, 640, 480};
}  // namespace

// The home rectangle where the screen has room for it; a small or scaled-up screen
// gets it smaller and moved into the area its windows may use.
QRect CDesktopWindow::homeRectangle() const {
    const QScreen* on = screen();
    return on ? placedWithin(kOuterRectangle, on->availableGeometry()) : kOuterRectangle;
}

CDesktopWindow::CDesktopWindow() : core_(std::make_unique<CVortafrm>(*this)) {
    setWindowTitle(QString::fromUtf8(platform::kProgramName));
    if (const QImage& icon = canvas::bitmapImage(kIconId); !icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    buildMainMenu(
        *menuBar(), [this](int id) { return core_->isCommandEnabled(id); },
        [this](int id) { runCommand(id); });
    connectMenuKeys(*menuBar());
    workArea_ = new CWorkAreaWidget(*core_, this);
    setCentralWidget(workArea_);
    createControls();
    setGeometry(homeRectangle());
    core_->OnCreate();
}

CDesktopWindow::~CDesktopWindow() {
    destroyOnce();
    // The work area refers to the core, which goes before the base class deletes
    // the children.
    delete workArea_;
}

void CDesktopWindow::createControls() {
    vScrollBar_ = new QScrollBar(Qt::Vertical, workArea_);
    hScrollBar_ = new QScrollBar(Qt::Horizontal, workArea_);
    cornerButton_ = new QPushButton(workArea_);
    for (QScrollBar* bar : {vScrollBar_, hScrollBar_}) {
        connect(bar, &QScrollBar::actionTriggered, this, [this, bar](int action) {
            const auto code = scrollCodeFor(static_cast<QAbstractSlider::SliderAction>(action));
            if (code) sendScroll(bar, *code);
        });
        connect(bar, &QScrollBar::sliderReleased, this,
                [this, bar] { sendScroll(bar, render::ThumbPosition); });
        bar->installEventFilter(this);
    }
}

// Every gesture on a bar ends with an end-scroll message once the button is up,
// after whatever the release itself sent.
bool CDesktopWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == vScrollBar_ || watched == hScrollBar_)) {
        auto* bar = static_cast<QScrollBar*>(watched);
        QMetaObject::invokeMethod(
            this, [this, bar] { sendScroll(bar, render::EndScroll); }, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void CDesktopWindow::sendScroll(QScrollBar* bar, int code) {
    if (bar == vScrollBar_)
        core_->OnVScroll(code, bar->sliderPosition());
    else
        core_->OnHScroll(code, bar->sliderPosition());
}

void CDesktopWindow::showAtHome() {
    outerRectanglePending_ = true;
    show();
    fitOuterRectangle();
}

// The rectangle is the outer one, frame included. A window manager tells the frame
// only once it has put the window in one, so this is tried again on the events that
// follow (activation, moves, resizes) until it has been done once.
void CDesktopWindow::fitOuterRectangle() {
    if (!outerRectanglePending_ || !windowHandle()) return;
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull()) return;
    outerRectanglePending_ = false;
    const QRect outer = homeRectangle();
    resize(outer.width() - frame.left() - frame.right(),
           outer.height() - frame.top() - frame.bottom());
    move(outer.topLeft());
}

bool CDesktopWindow::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowActivate:
        case QEvent::Move:
        case QEvent::Resize:
            fitOuterRectangle();
            break;
        default:
            break;
    }
    return QMainWindow::event(event);
}

void CDesktopWindow::restoreIfMinimized() {
    if (!isMinimized()) return;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
}

void CDesktopWindow::runCommand(int id) {
    if (id == command::AppExit)
        close();
    else
        core_->OnCommand(id);
}

void CDesktopWindow::closeEvent(QCloseEvent* event) {
    if (!destroyed_ && !core_->OnQueryClose()) {
        event->ignore();
        return;
    }
    destroyOnce();
    event->accept();
}

void CDesktopWindow::destroyOnce() {
    if (destroyed_) return;
    destroyed_ = true;
    core_->OnDestroy();
}

QScrollBar& CDesktopWindow::scrollBar(platform::ScrollBarId bar) {
    return bar == platform::ScrollBarId::Vertical ? *vScrollBar_ : *hScrollBar_;
}

QWidget& CDesktopWindow::control(platform::ControlId control) {
    switch (control) {
        case platform::ControlId::VerticalBar:
            return *vScrollBar_;
        case platform::ControlId::HorizontalBar:
            return *hScrollBar_;
        case platform::ControlId::CornerButton:
            break;
    }
    return *cornerButton_;
}

std::map<int, int> CDesktopWindow::runningTimers() const {
    std::map<int, int> running;
    for (const auto& [id, qtimer] : timers_)
        if (qtimer->isActive()) running[id] = qtimer->interval();
    return running;
}

}  // namespace desktop
