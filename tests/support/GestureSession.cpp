#include "support/GestureSession.h"

#include <fstream>
#include <random>

#include "app/CommandIds.h"
#include "support/FrameChecks.h"
#include "support/RecordingCanvas.h"

namespace {
// A file of noise for Open to stumble on: the reader must survive any bytes.
void writeNoiseFile(const char* name) {
    std::mt19937 random(2026);
    std::ofstream file(name, std::ios::binary);
    for (int i = 0; i < 3000; ++i) file.put(static_cast<char>(random() & 0xFF));
}
}  // namespace

GestureSession::GestureSession() {
    writeNoiseFile(RandomShell::kNoiseFileName);
    window_.OnCreate();
    window_.OnSize(shell_.client.width, shell_.client.height);
}

GestureSession::GestureSession(int32_t zoom) : GestureSession() {
    shell_.client = {shell_.client.width * zoom / Viewport::kNaturalZoom,
                     shell_.client.height * zoom / Viewport::kNaturalZoom};
    window_.OnSize(shell_.client.width, shell_.client.height);
    window_.restoreZoom(zoom);
}

GestureSession::~GestureSession() {
    if (!destroyed_) window_.OnDestroy();
}

bool GestureSession::timerRunning(int id) const {
    if (id == timer::GeneratorClock) return shell_.generatorTimerRunning;
    return id == timer::Autosave && shell_.autosaveTimerRunning;
}

void GestureSession::send(const WindowMessage& m) {
    using Type = WindowMessage::Type;
    shell_.reseed(m.answerSeed);
    if (m.type <= Type::Wheel) shell_.pointer = m.point;
    switch (m.type) {
        case Type::MouseMove:
            window_.OnMouseMove(m.flags, m.point);
            break;
        case Type::LButtonDown:
            window_.OnLButtonDown(m.flags, m.point);
            break;
        case Type::LButtonUp:
            window_.OnLButtonUp(m.flags, m.point);
            break;
        case Type::LButtonDblClk:
            window_.OnLButtonDblClk(m.flags, m.point);
            break;
        case Type::RButtonDown:
            window_.OnRButtonDown(m.flags, m.point);
            break;
        case Type::Wheel:
            window_.OnMouseWheel(m.flags, {m.value, m.value2}, m.point);
            break;
        case Type::Command:
            window_.OnCommand(m.value);
            break;
        case Type::Timer:
            if (timerRunning(m.value)) window_.OnTimer(m.value);
            break;
        case Type::VScroll:
            window_.OnVScroll(m.value, m.value2);
            break;
        case Type::HScroll:
            window_.OnHScroll(m.value, m.value2);
            break;
        case Type::Size:
            shell_.client = {m.value, m.value2};
            window_.OnSize(m.value, m.value2);
            break;
        case Type::Paint: {
            RecordingCanvas canvas;
            window_.OnPaint(canvas);
            break;
        }
    }
}

std::vector<std::string> GestureSession::sendAndCheck(const WindowMessage& message) {
    undoShadow_.beforeMessage(message);
    send(message);
    std::vector<std::string> violations = frameViolations(window_);
    for (std::string& violation : undoShadow_.afterMessage())
        violations.push_back(std::move(violation));
    return violations;
}

std::vector<std::string> GestureSession::destroyAndCheck() {
    window_.OnDestroy();
    destroyed_ = true;
    std::vector<std::string> violations = frameViolations(window_);
    if (shell_.generatorTimerRunning || shell_.autosaveTimerRunning)
        violations.push_back("a timer still runs after the window was destroyed");
    return violations;
}
