#pragma once
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/Shell.h"

// A Shell whose user answers every dialog at random, within what the real dialogs
// accept: OK or Cancel, any pin (a pin the dialog greys out is refused as the real
// one refuses it), valid gate and generator parameters, and file names from a small
// set so that Open finds what Save wrote. Records only what a checker needs.
class RandomShell : public platform::Shell {
  public:
    // A file of random bytes that the session's folder holds and Open may be given.
    static constexpr const char* kNoiseFileName = "noise.vrt";

    // The answers that follow come from this seed alone, so one message's
    // answers do not depend on the messages before it.
    void reseed(uint32_t seed) { random_.seed(seed); }

    bool messageBox(const std::string& text, const std::string& caption,
                    platform::MessageBoxStyle style) override;
    std::optional<LogicElementParams> logicElementDialog(const LogicElementParams& preset) override;
    std::optional<GeneratorParams> generatorDialog(const GeneratorParams& preset) override;
    bool questionDialog(const std::string& line1, const std::string& line2) override;
    bool deleteConfirmDialog(int32_t anchorX, int32_t anchorY) override;
    std::optional<int> pinChoiceDialog(const platform::PinChoiceRequest& request) override;
    std::optional<std::string> fileNameDialog(const std::string& label,
                                              const std::string& preset) override;
    bool warningDialog(const std::string& line1, const std::string& line2,
                       const std::string& line3) override;
    // The sessions never close the window.
    platform::SaveChangesAnswer saveChangesDialog() override {
        return platform::SaveChangesAnswer::Cancel;
    }
    void aboutDialog() override {}
    void helpNoteDialog() override {}
    // The sessions give the commands of the desktop, which has no files from elsewhere.
    std::optional<platform::ComputerFile> chooseComputerFile() override { return std::nullopt; }
    // Nothing is written; the user's disk is full half of the time.
    bool writePicture(const platform::PictureRequest&,
                      const std::function<void(platform::Canvas&)>&) override {
        return coin(50);
    }

    void invalidateRect(const Rect&, bool) override {}
    void setTimer(int id, int intervalMs) override;
    void killTimer(int id) override;
    Size clientSize() const override { return client; }
    std::optional<Point> pointerPosition() const override { return pointer; }
    void setScrollRange(platform::ScrollBarId, int32_t, int32_t) override {}
    void setScrollPos(platform::ScrollBarId, int32_t) override {}
    void moveControl(platform::ControlId, const Rect&) override {}

    // The clipboard of the session: what the last copy put there.
    void putOnClipboard(const std::vector<uint8_t>& circuit, Size,
                        const std::function<void(platform::Canvas&)>&) override {
        clipboard = circuit;
    }
    std::optional<std::vector<uint8_t>> clipboardCircuit() override { return clipboard; }

    Size client{640, 480};
    std::optional<std::vector<uint8_t>> clipboard;
    std::optional<Point> pointer;
    bool generatorTimerRunning = false;
    bool autosaveTimerRunning = false;
    // Picks of a pin the dialog would not have offered.
    int refusedPins = 0;

  private:
    bool coin(int percentTrue);
    std::mt19937 random_;
};
