#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// How a browser puts the clipboard types of a page's own on the system clipboard, so
// that a group copied in the program's page pastes here and one copied here pastes
// there: under the format kWebCustomDataFormat, the payload's size (4 bytes), the
// number of pairs (4 bytes), then each pair's type and text, each as a length in
// UTF-16 units (4 bytes) and those units, padded to a multiple of 4 bytes; all
// little-endian.
namespace desktop {

inline constexpr const char* kWebCustomDataFormat = "chromium/x-web-custom-data";

QByteArray encodeWebCustomData(const QList<QPair<QString, QString>>& pairs);

// The text stored for the type; nothing when the bytes hold no such pair or are not
// of that format.
std::optional<QString> webCustomDataText(const QByteArray& bytes, const QString& type);

}  // namespace desktop
