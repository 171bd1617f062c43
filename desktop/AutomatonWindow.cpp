#include "desktop/AutomatonWindow.h"

#include <algorithm>

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "analysis/AutomatonReport.h"
#include "app/FileCommands.h"
#include "app/PictureNames.h"
#include "app/Vortafrm.h"
#include "desktop/GraphPicture.h"
#include "io/FileReplacement.h"
#include "platform/Shell.h"

namespace desktop {
namespace {

constexpr const char* kTitle = "Автомат схемы";
constexpr const char* kSavePicture = "Сохранить рисунок...";
constexpr const char* kLetters = "Буквы";
constexpr const char* kAllStates = "Все состояния триггеров";
constexpr const char* kNoGraph = "Graphviz не нарисовал граф.";
constexpr const char* kProposedName = "automat.png";

// The longest side of the graph as the window shows it. Graphviz's own pixels of a
// graph of a few hundred arrows take it seconds and tens of megabytes; its SVG
// comes at once and is drawn here at this size at most.
constexpr int kLongestShownSide = 4096;

QImage graphImage(const std::vector<uint8_t>& svg) {
    QSvgRenderer renderer(
        QByteArray(reinterpret_cast<const char*>(svg.data()), static_cast<qsizetype>(svg.size())));
    if (!renderer.isValid() || renderer.defaultSize().isEmpty()) return {};
    QSize size = renderer.defaultSize();
    if (std::max(size.width(), size.height()) > kLongestShownSide)
        size.scale(kLongestShownSide, kLongestShownSide, Qt::KeepAspectRatio);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

}  // namespace

CAutomatonWindow::CAutomatonWindow(const CVortafrm& core, platform::Shell& shell, QWidget* owner)
    : QWidget(owner, Qt::Window), core_(core), shell_(shell) {
    setObjectName("automatonWindow");
    setWindowTitle(QString::fromUtf8(kTitle));
    table_ = new QPlainTextEdit(this);
    table_->setReadOnly(true);
    table_->setLineWrapMode(QPlainTextEdit::NoWrap);
    table_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    letters_ = new QCheckBox(QString::fromUtf8(kLetters), this);
    allStates_ = new QCheckBox(QString::fromUtf8(kAllStates), this);
    save_ = new QPushButton(QString::fromUtf8(kSavePicture), this);
    picture_ = new QLabel(this);
    picture_->setAlignment(Qt::AlignCenter);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(picture_);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Base);

    auto* options = new QHBoxLayout;
    options->addWidget(letters_);
    options->addWidget(allStates_);
    options->addStretch();
    options->addWidget(save_);
    auto* panes = new QHBoxLayout;
    panes->addWidget(table_, 1);
    panes->addWidget(scroll, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addLayout(panes);
    resize(960, 460);

    connect(letters_, &QCheckBox::toggled, this, [this] { showAutomaton(); });
    connect(allStates_, &QCheckBox::toggled, this, [this] { followCircuit(); });
    connect(save_, &QPushButton::clicked, this, [this] { savePicture(); });
}

void CAutomatonWindow::open() {
    compute();
    show();
    raise();
    activateWindow();
}

void CAutomatonWindow::followCircuit() {
    if (isVisible()) compute();
}

QString CAutomatonWindow::tableText() const {
    return table_->toPlainText();
}

void CAutomatonWindow::compute() {
    error_.clear();
    automaton_ =
        analysis::circuitAutomaton(core_.circuit(), {.allStates = allStates_->isChecked()}, error_);
    showAutomaton();
}

std::string CAutomatonWindow::dot() const {
    return analysis::automatonDot(*automaton_, {.letters = letters_->isChecked()});
}

void CAutomatonWindow::showAutomaton() {
    const bool drawable = automaton_ && automaton_->kind != analysis::AutomatonKind::Combinational;
    table_->setPlainText(QString::fromStdString(
        automaton_ ? analysis::automatonText(*automaton_, {.letters = letters_->isChecked()})
                   : error_));
    graph_ = QImage();
    if (drawable) {
        const auto svg = renderGraph(dot(), platform::PictureFormat::Svg);
        if (svg) graph_ = graphImage(*svg);
    }
    save_->setEnabled(drawable && !graph_.isNull());
    if (graph_.isNull())
        picture_->setText(drawable ? QString::fromUtf8(kNoGraph) : QString());
    else
        picture_->setPixmap(QPixmap::fromImage(graph_));
}

// As every picture is saved: an existing file only after the warning, a failure
// reported in the program's words.
void CAutomatonWindow::savePicture() {
    if (!automaton_) return;
    app::savePictureFileUnderTypedName(shell_, kProposedName, [this](const app::PictureName& name) {
        const auto bytes = renderGraph(dot(), name.format);
        return bytes && io::replaceFile(name.fileName, *bytes);
    });
}

}  // namespace desktop
