#include "desktop/DesktopWindow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDockWidget>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include "app/CommandIds.h"
#include "app/MenuLayout.h"
#include "app/Vortafrm.h"
#include "canvas/BitmapStore.h"
#include "desktop/AutomatonWindow.h"
#include "desktop/FunctionsWindow.h"
#include "desktop/MainMenu.h"
#include "desktop/MenuKeys.h"
#include "desktop/ScrollActions.h"
#include "desktop/TimingPanel.h"
#include "desktop/ViewSettings.h"
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
    buildMainMenu(*menuBar(),
                  {[this](int id) { return core_->isCommandEnabled(id); },
                   [this](int id) { return core_->isCommandChecked(id); }},
                  [this](int id) { runCommand(id); });
    // Under the work area, which keeps its own size: the client area is what the
    // menu and this line leave of the window.
    statusLine_ = new QLabel(statusBar());
    statusBar()->addWidget(statusLine_, 1);
    statusBar()->setSizeGripEnabled(false);
    workArea_ = new CWorkAreaWidget(*core_, this);
    setCentralWidget(workArea_);
    createControls();
    connectMenuKeys(*menuBar());
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { clipboardHoldsCircuit_.reset(); });
    setGeometry(homeRectangle());
    browser_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    manualPath_ = installedManualPath();
    core_->OnCreate();
    restoreRememberedChoices();
}

CDesktopWindow::~CDesktopWindow() {
    destroyOnce();
    // The work area refers to the core, which goes before the base class deletes
    // the children.
    delete functionsWindow_;
    delete automatonWindow_;
    delete timingDock_;
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

void CDesktopWindow::showCircuitFunctions() {
    if (!functionsWindow_) functionsWindow_ = new CFunctionsWindow(*core_, *this, this);
    functionsWindow_->open();
}

void CDesktopWindow::showCircuitAutomaton() {
    if (!automatonWindow_) automatonWindow_ = new CAutomatonWindow(*core_, *this, this);
    automatonWindow_->open();
}

// A dock under the work area, which the user may also float beside the window.
void CDesktopWindow::toggleTimingDiagram() {
    if (!timingDock_) {
        timingDock_ = new QDockWidget(QString::fromUtf8("Временная диаграмма"), this);
        timingDock_->setObjectName("timingDock");
        timingDock_->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
        timingPanel_ = new CTimingPanel(*core_, timingDock_);
        timingDock_->setWidget(timingPanel_);
        addDockWidget(Qt::BottomDockWidgetArea, timingDock_);
        timingDock_->show();
        // Tall enough for every row of a small circuit, and never most of the window.
        resizeDocks({timingDock_}, {std::min(timingPanel_->wantedHeight(), height() / 2)},
                    Qt::Vertical);
        timingPanel_->refresh();
        return;
    }
    timingDock_->setVisible(!timingDock_->isVisible());
    if (timingDock_->isVisible()) timingPanel_->refresh();
}

void CDesktopWindow::circuitChanged() {
    if (functionsWindow_) functionsWindow_->followCircuit();
    if (automatonWindow_) automatonWindow_->followCircuit();
}

void CDesktopWindow::runCommand(int id) {
    if (id == command::AppExit) {
        close();
        return;
    }
    core_->OnCommand(id);
    rememberChoice(id);
}

void CDesktopWindow::restoreRememberedChoices() {
    const QSettings settings = userSettings();
    for (const app::Menu& menu : app::mainMenu()) {
        for (const app::MenuItem& item : menu.items) {
            if (!item.rememberedAs) continue;
            const bool wanted = settings.value(QString::fromUtf8(item.rememberedAs)).toBool();
            if (wanted != core_->isCommandChecked(item.command)) core_->OnCommand(item.command);
        }
    }
}

void CDesktopWindow::rememberChoice(int id) {
    const app::MenuItem* item = app::findMenuItem(id);
    if (!item || !item->rememberedAs) return;
    QSettings settings = userSettings();
    settings.setValue(QString::fromUtf8(item->rememberedAs), core_->isCommandChecked(id));
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
    if (functionsWindow_) functionsWindow_->close();
    if (automatonWindow_) automatonWindow_->close();
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
