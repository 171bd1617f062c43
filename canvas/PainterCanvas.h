#pragma once
#include <QColor>
#include <QPainter>
#include <QPoint>
#include <optional>

#include "platform/Canvas.h"

namespace canvas {

struct PreparedFont;

// The drawing of the work area onto a QPainter, with the pixel rules the records
// are drawn for: lines leave out their end pixel, ellipse boxes exclude their right
// and bottom edges, text sits on an opaque white box, and a disabled bitmap is drawn
// embossed in grey. The painter starts in the fresh canvas state: black 1-pixel pen,
// white brush, black text.
class CPainterCanvas : public platform::Canvas {
  public:
    explicit CPainterCanvas(QPainter& painter);

    void drawBitmap(int32_t id, int32_t x, int32_t y, int32_t width, int32_t height,
                    bool disabled) override;
    platform::Pen selectPen(const platform::Pen& pen) override;
    platform::Brush selectBrush(const platform::Brush& brush) override;
    platform::Font selectFont(const platform::Font& font) override;
    void setTextColor(platform::Rgb color) override;
    void moveTo(int32_t x, int32_t y) override;
    void lineTo(int32_t x, int32_t y) override;
    void ellipse(const Rect& box) override;
    void fillCoverage(const Rect& area, const std::vector<uint8_t>& covered) override;
    void textOut(int32_t x, int32_t y, const std::string& text) override;

  private:
    // The painter's pen and brush follow the selected ones only when something is
    // drawn with them: records select and restore far more often than they draw.
    void applyPen();
    void applyBrush();

    QPainter& painter_;
    platform::Pen pen_;
    platform::Brush brush_;
    platform::Font font_;
    const PreparedFont* preparedFont_;
    QColor textColor_{Qt::black};
    QPoint position_;
    std::optional<platform::Pen> painterPen_;
    std::optional<platform::Brush> painterBrush_;
};

}  // namespace canvas
