#include "desktop/WebCustomData.h"

#include <cstdint>

namespace desktop {
namespace {

constexpr qsizetype kWord = 4;

void appendWord(QByteArray& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.append(static_cast<char>(value >> shift));
}

void appendText(QByteArray& bytes, const QString& text) {
    appendWord(bytes, static_cast<uint32_t>(text.size()));
    for (const QChar unit : text) {
        bytes.append(static_cast<char>(unit.unicode() & 0xFF));
        bytes.append(static_cast<char>(unit.unicode() >> 8));
    }
    while (bytes.size() % kWord != 0) bytes.append('\0');
}

// Reads forward through the bytes; every read past the end fails, and stays failed.
class Reader {
  public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}
    std::optional<uint32_t> word() {
        if (at_ < 0 || bytes_.size() - at_ < kWord) return fail<uint32_t>();
        uint32_t value = 0;
        for (int i = 0; i < kWord; ++i)
            value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes_[at_ + i])) << (8 * i);
        at_ += kWord;
        return value;
    }
    std::optional<QString> text() {
        const std::optional<uint32_t> units = word();
        if (!units || *units > static_cast<uint32_t>(bytes_.size() - at_) / 2)
            return fail<QString>();
        QString text;
        text.reserve(static_cast<qsizetype>(*units));
        for (uint32_t i = 0; i < *units; ++i) {
            const auto low = static_cast<uint8_t>(bytes_[at_++]);
            const auto high = static_cast<uint8_t>(bytes_[at_++]);
            text.append(QChar(static_cast<char16_t>(low | high << 8)));
        }
        at_ = (at_ + kWord - 1) / kWord * kWord;
        return text;
    }

  private:
    template <typename T>
    std::optional<T> fail() {
        at_ = -1;
        return std::nullopt;
    }
    const QByteArray& bytes_;
    qsizetype at_ = 0;
};

}  // namespace

QByteArray encodeWebCustomData(const QList<QPair<QString, QString>>& pairs) {
    QByteArray payload;
    appendWord(payload, static_cast<uint32_t>(pairs.size()));
    for (const auto& [type, text] : pairs) {
        appendText(payload, type);
        appendText(payload, text);
    }
    QByteArray bytes;
    appendWord(bytes, static_cast<uint32_t>(payload.size()));
    return bytes + payload;
}

std::optional<QString> webCustomDataText(const QByteArray& bytes, const QString& type) {
    Reader reader(bytes);
    const std::optional<uint32_t> size = reader.word();
    if (!size || *size != static_cast<uint32_t>(bytes.size() - kWord)) return std::nullopt;
    const std::optional<uint32_t> count = reader.word();
    for (uint32_t pair = 0; count && pair < *count; ++pair) {
        const std::optional<QString> name = reader.text();
        std::optional<QString> text = reader.text();
        if (!name || !text) return std::nullopt;
        if (*name == type) return text;
    }
    return std::nullopt;
}

}  // namespace desktop
