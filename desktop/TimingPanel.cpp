#include "desktop/TimingPanel.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "app/Vortafrm.h"
#include "canvas/PainterCanvas.h"

namespace desktop {
namespace {

constexpr int kPollMs = 100;
constexpr int32_t kOpeningPixelsPerTick = 10;

}  // namespace

CTimingDiagramView::CTimingDiagramView(CVortafrm& core, QWidget* parent)
    : QWidget(parent), core_(core) {
    setObjectName("timingDiagram");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

analysis::TimingView CTimingDiagramView::view() const {
    return {pixelsPerTick_, scroll_, {width(), height()}};
}

void CTimingDiagramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    canvas::CPainterCanvas canvas(painter);
    analysis::drawTimingDiagram(canvas, core_.timingRecording(), core_.timingRows(), view());
}

bool CTimingDiagramView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const analysis::CTimingRecording& recording = core_.timingRecording();
    const std::optional<uint64_t> column =
        analysis::timingColumnAt(recording, core_.timingRows(), view(), help->pos().x());
    if (column)
        QToolTip::showText(
            help->globalPos(),
            QString::fromStdString(analysis::timingTooltip(recording, core_.timingRows(), *column)),
            this);
    else
        QToolTip::hideText();
    return true;
}

void CTimingDiagramView::contextMenuEvent(QContextMenuEvent* event) {
    const std::optional<size_t> row = analysis::timingRowAt(core_.timingRows(), event->pos().y());
    if (!row || *row >= core_.timingRows().rows().size()) return;
    const analysis::TimingRow& shown = core_.timingRows().rows()[*row];
    QMenu menu(this);
    const auto item = [&](const char* text, analysis::TimingRowAction action, bool enabled) {
        QAction* chosen = menu.addAction(QString::fromUtf8(text));
        chosen->setEnabled(enabled);
        connect(chosen, &QAction::triggered, this, [this, action, index = *row] {
            core_.OnTimingRow(action, index);
            Q_EMIT rowsChanged();
        });
    };
    const size_t last = core_.timingRows().rows().size() - 1;
    item("Убрать строку", analysis::TimingRowAction::Remove, true);
    item("Выше", analysis::TimingRowAction::MoveUp, *row > 0);
    item("Ниже", analysis::TimingRowAction::MoveDown, *row < last);
    item("Разбить на биты", analysis::TimingRowAction::Split, shown.bus);
    menu.exec(event->globalPos());
}

CTimingPanel::CTimingPanel(CVortafrm& core, QWidget* parent) : QWidget(parent), core_(core) {
    setObjectName("timingPanel");
    auto* add = new QPushButton(QString::fromUtf8("Добавить сигнал..."), this);
    add->setObjectName("timingAdd");
    auto* save = new QPushButton(QString::fromUtf8("Сохранить диаграмму..."), this);
    save->setObjectName("timingSave");
    zoom_ = new QSpinBox(this);
    zoom_->setObjectName("timingZoom");
    zoom_->setRange(analysis::kLeastPixelsPerTick, analysis::kMostPixelsPerTick);
    zoom_->setValue(kOpeningPixelsPerTick);
    zoom_->setSuffix(QString::fromUtf8(" точек на такт"));
    auto* tools = new QHBoxLayout;
    tools->addWidget(new QLabel(QString::fromUtf8("Масштаб:"), this));
    tools->addWidget(zoom_);
    tools->addStretch(1);
    tools->addWidget(add);
    tools->addWidget(save);

    diagram_ = new CTimingDiagramView(core_, this);
    auto* rows = new QScrollArea(this);
    rows->setWidget(diagram_);
    rows->setWidgetResizable(true);
    rows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rows->setFrameShape(QFrame::NoFrame);
    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setObjectName("timingScroll");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(tools);
    layout->addWidget(rows, 1);
    layout->addWidget(scroll_);

    connect(zoom_, &QSpinBox::valueChanged, this, [this](int pixels) {
        diagram_->setPixelsPerTick(pixels);
        refresh();
    });
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
        following_ = value >= scroll_->maximum();
        diagram_->setScroll(value);
        diagram_->update();
    });
    connect(diagram_, &CTimingDiagramView::rowsChanged, this, [this] { refresh(); });
    connect(add, &QPushButton::clicked, this, [this] { chooseSignalToAdd(); });
    connect(save, &QPushButton::clicked, this, [this] { core_.OnTimingSave(zoom_->value()); });
    connect(&poll_, &QTimer::timeout, this, [this] {
        if (core_.timingRecording().version() != shownVersion_) refresh();
    });
    poll_.start(kPollMs);
}

void CTimingPanel::refresh() {
    shownVersion_ = core_.timingRecording().version();
    diagram_->setMinimumHeight(analysis::timingLayout(core_.timingRows()).height);
    const int64_t last =
        analysis::timingLastScroll(core_.timingRecording(), core_.timingRows(), diagram_->view());
    const bool following = following_;
    const QSignalBlocker quiet(scroll_);
    scroll_->setRange(0,
                      static_cast<int>(std::min<int64_t>(last, std::numeric_limits<int>::max())));
    scroll_->setPageStep(std::max(1, diagram_->width()));
    scroll_->setSingleStep(zoom_->value());
    if (following) scroll_->setValue(scroll_->maximum());
    diagram_->setScroll(scroll_->value());
    diagram_->update();
}

int CTimingPanel::wantedHeight() const {
    const int rows = analysis::timingLayout(core_.timingRows()).height;
    const int spacing = 4 * style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing);
    return rows + zoom_->sizeHint().height() + scroll_->sizeHint().height() + spacing +
           style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

void CTimingPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    refresh();
}

void CTimingPanel::chooseSignalToAdd() {
    QMenu menu(this);
    const std::vector<analysis::TimingRow>& shown = core_.timingRows().rows();
    for (const analysis::TimingRow& row : analysis::signalsToAdd(core_.circuit())) {
        QAction* action = menu.addAction(QString::fromStdString(row.name));
        action->setEnabled(std::find(shown.begin(), shown.end(), row) == shown.end());
        connect(action, &QAction::triggered, this, [this, row] {
            core_.OnTimingAddSignal(row);
            refresh();
        });
    }
    if (menu.isEmpty())
        menu.addAction(QString::fromUtf8("В схеме нет сигналов"))->setEnabled(false);
    menu.exec(QCursor::pos());
}

}  // namespace desktop
