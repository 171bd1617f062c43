#pragma once
#include <array>
#include <cstdint>

#include "dialogs/ExchangeDialog.h"
#include "model/Pin.h"

class QRadioButton;

namespace dialogs {

// The clicked element magnified four times with a small radio button beside each of
// its pins: none for pins it does not have, a greyed one for pins that carry a wire.
class CPinChoiceDlg : public CExchangeDialog {
    Q_OBJECT
  public:
    static constexpr uint32_t kNoPin = 32;

    explicit CPinChoiceDlg(QWidget* parent);

    uint32_t chosenPin = kNoPin;  // the pin last clicked
    int32_t symbolBitmap = 0;
    int32_t outputBitmap = 0;
    int32_t width = 0;
    int32_t height = 0;
    Pins pins = freshPins();
    int32_t bodyBitmap = 0;
    bool twoOutputs = false;  // the outputs' buttons stand as a trigger's

  protected:
    void loadFields() override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void choosePin(int pin);

    std::array<QRadioButton*, kPinCount> pinButtons_{};
};

}  // namespace dialogs
