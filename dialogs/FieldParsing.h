#pragma once
#include <cstdint>
#include <optional>

#include <QString>

namespace dialogs {

// A whole unsigned decimal number, blanks allowed around it; nothing else.
std::optional<uint32_t> parseUnsigned(const QString& text);

// A decimal number as single precision, blanks allowed around it. A comma is taken
// as the decimal point, as Russian users often type one.
std::optional<float> parseFloat(const QString& text);

// The shortest text that reads back to the same value (six significant digits).
QString formatFloat(float value);

}  // namespace dialogs
