#include "dialogs/FieldParsing.h"

#include <cmath>
#include <limits>

namespace dialogs {

std::optional<uint32_t> parseUnsigned(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    for (QChar c : trimmed) {
        if (c < u'0' || c > u'9') return std::nullopt;
    }
    bool ok = false;
    const qulonglong value = trimmed.toULongLong(&ok);
    if (!ok || value > std::numeric_limits<uint32_t>::max()) return std::nullopt;
    return static_cast<uint32_t>(value);
}

std::optional<float> parseFloat(const QString& text) {
    QString trimmed = text.trimmed();
    trimmed.replace(u',', u'.');
    if (trimmed.isEmpty()) return std::nullopt;
    // toDouble accepts "inf" and "nan"; a typed number is digits, a point and an exponent.
    for (QChar c : trimmed) {
        if (!c.isDigit() && c != u'.' && c != u'-' && c != u'+' && c != u'e' && c != u'E') {
            return std::nullopt;
        }
    }
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    // Beyond single precision's range there is no value to round to.
    if (!ok || !(std::fabs(value) <= std::numeric_limits<float>::max())) return std::nullopt;
    return static_cast<float>(value);
}

QString formatFloat(float value) {
    return QString::number(static_cast<double>(value), 'g', 6);
}

}  // namespace dialogs
