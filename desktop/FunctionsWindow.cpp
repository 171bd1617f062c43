#include "desktop/FunctionsWindow.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "analysis/FunctionPicture.h"
#include "analysis/FunctionReport.h"
#include "analysis/FunctionTexts.h"
#include "app/CircuitSnapshot.h"
#include "app/FileCommands.h"
#include "app/Vortafrm.h"
#include "canvas/PainterCanvas.h"

namespace desktop {
namespace {

constexpr const char* kTitle = "Функции схемы";
constexpr const char* kSavePicture = "Сохранить рисунок...";
constexpr const char* kComputing = "Вычисляется...";
constexpr const char* kNoMap = "Карта Карно строится для функций от 2 до 6 переменных.";
constexpr int kPollMs = 20;

// The circuit's functions and their minimal forms, computed on a copy of its tables.
CFunctionsWindow::Result compute(const CCircuit& circuit) {
    CFunctionsWindow::Result result;
    result.functions = analysis::circuitFunctions(circuit, result.error);
    if (result.functions) result.analysed = analysis::minimiseAll(*result.functions);
    return result;
}

QImage imageOf(const analysis::FunctionPicture& picture) {
    QImage image(std::max(1, picture.size.width), std::max(1, picture.size.height),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    canvas::CPainterCanvas canvas(painter);
    picture.paint(canvas);
    return image;
}

}  // namespace

CFunctionsWindow::CFunctionsWindow(const CVortafrm& core, platform::Shell& shell, QWidget* owner)
    : QWidget(owner, Qt::Window), core_(core), shell_(shell) {
    setObjectName("functionsWindow");
    setWindowTitle(QString::fromUtf8(kTitle));
    list_ = new QListWidget(this);
    list_->setObjectName("functionList");
    list_->setMaximumWidth(120);
    variables_ = new QLabel(this);
    variables_->setObjectName("variables");
    variables_->setWordWrap(true);
    forms_ = new QPlainTextEdit(this);
    forms_->setObjectName("forms");
    forms_->setReadOnly(true);
    forms_->setLineWrapMode(QPlainTextEdit::NoWrap);
    forms_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    map_ = new QLabel(this);
    map_->setObjectName("map");
    auto* mapArea = new QScrollArea(this);
    mapArea->setWidget(map_);
    mapArea->setWidgetResizable(true);
    mapArea->setMinimumHeight(260);
    save_ = new QPushButton(QString::fromUtf8(kSavePicture), this);
    save_->setObjectName("savePicture");

    auto* right = new QVBoxLayout;
    right->addWidget(variables_);
    right->addWidget(forms_, 1);
    right->addWidget(mapArea, 1);
    right->addWidget(save_, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(right, 1);
    resize(760, 640);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { showFunction(row); });
    connect(save_, &QPushButton::clicked, this, [this] { savePicture(); });
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, [this] { collect(); });
}

// A computation under way works on its own copy; it ends within its bounds.
CFunctionsWindow::~CFunctionsWindow() {
    if (running_.valid()) running_.wait();
}

void CFunctionsWindow::open() {
    show();
    raise();
    activateWindow();
    startComputing();
}

void CFunctionsWindow::followCircuit() {
    if (isVisible()) startComputing();
}

void CFunctionsWindow::startComputing() {
    if (running_.valid()) {
        again_ = true;
        return;
    }
    variables_->setText(QString::fromUtf8(kComputing));
    running_ = std::async(std::launch::async,
                          [copy = copyTables(core_.circuit())] { return compute(copy); });
    poll_.start();
}

void CFunctionsWindow::collect() {
    if (running_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
    shown_ = running_.get();
    poll_.stop();
    if (again_) {
        again_ = false;
        startComputing();
        return;
    }
    showResult();
}

void CFunctionsWindow::showResult() {
    const QString chosen = list_->currentItem() ? list_->currentItem()->text() : QString();
    const QSignalBlocker blocker(list_);
    list_->clear();
    if (!shown_.functions) {
        variables_->setText(QString::fromStdString(shown_.error));
        showFunction(-1);
        return;
    }
    std::string header = analysis::variablesText(shown_.functions->naming);
    if (shown_.functions->unsettledRows > 0)
        header += analysis::texts::unsettledRows(shown_.functions->unsettledRows);
    variables_->setText(QString::fromStdString(header).trimmed());
    int row = 0;
    for (const analysis::AnalysedFunction& analysed : shown_.analysed) {
        list_->addItem(QString::fromStdString(analysed.function.name()));
        if (list_->item(list_->count() - 1)->text() == chosen) row = list_->count() - 1;
    }
    list_->setCurrentRow(shown_.analysed.empty() ? -1 : row);
    showFunction(list_->currentRow());
}

void CFunctionsWindow::showFunction(int row) {
    picture_ = QImage();
    save_->setEnabled(false);
    if (row < 0 || !shown_.functions || static_cast<size_t>(row) >= shown_.analysed.size()) {
        forms_->setPlainText(shown_.functions && shown_.analysed.empty()
                                 ? QString::fromUtf8(analysis::texts::kNoFunctions)
                                 : QString());
        map_->clear();
        return;
    }
    const analysis::AnalysedFunction& analysed = shown_.analysed[static_cast<size_t>(row)];
    forms_->setPlainText(QString::fromStdString(
        analysis::formsText(analysed) + "\n" +
        analysis::truthTableText(*shown_.functions, static_cast<size_t>(row))));
    const analysis::FunctionPicture picture = analysis::functionPicture(analysed);
    picture_ = imageOf(picture);
    map_->setPixmap(QPixmap::fromImage(picture_));
    if (!picture.map) map_->setToolTip(QString::fromUtf8(kNoMap));
    save_->setEnabled(true);
}

void CFunctionsWindow::savePicture() {
    const int row = list_->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= shown_.analysed.size()) return;
    const analysis::AnalysedFunction& analysed = shown_.analysed[static_cast<size_t>(row)];
    const analysis::FunctionPicture picture = analysis::functionPicture(analysed);
    app::savePictureUnderTypedName(shell_, analysis::functionPictureName(analysed), picture.size,
                                   analysed.function.name(), picture.paint);
}

}  // namespace desktop
