#include "analysis/FormulaPicture.h"

#include <algorithm>

#include "analysis/PictureStyle.h"

namespace analysis {
namespace {

using picture::kCharWidth;
using picture::textWidth;

// A line: room for the bars above the text, the text, a gap.
constexpr int32_t kBarRoom = 4;
constexpr int32_t kLineHeight = kBarRoom + picture::kTextHeight + 6;
constexpr int32_t kLiteralGap = 3;
constexpr int32_t kOrWidth = 2 * kCharWidth + 4;

// The pieces of one term from x = 0, and its width.
class CTermPieces {
  public:
    explicit CTermPieces(int term) : term_(term) {}

    void literal(const std::string& name, bool negated) {
        if (negated)
            pieces_.push_back({FormulaPiece::Kind::Bar, {x_, 0}, textWidth(name), {}, term_});
        text(name);
    }
    void text(const std::string& text) {
        pieces_.push_back({FormulaPiece::Kind::Text, {x_, kBarRoom}, textWidth(text), text, term_});
        x_ += textWidth(text);
    }
    void orSign() {
        pieces_.push_back({FormulaPiece::Kind::Or, {x_, kBarRoom}, kOrWidth, {}, term_});
        x_ += kOrWidth;
    }
    void gap() { x_ += kLiteralGap; }

    int32_t width() const { return x_; }
    const std::vector<FormulaPiece>& pieces() const { return pieces_; }

  private:
    int term_;
    int32_t x_ = 0;
    std::vector<FormulaPiece> pieces_;
};

CTermPieces termPieces(const NormalForm& form, size_t term, const std::vector<std::string>& names) {
    CTermPieces pieces(static_cast<int>(term));
    const std::vector<Literal> literals =
        literalsOf(form.terms[term], form.kind, static_cast<int>(names.size()));
    if (literals.empty()) pieces.text(form.kind == FormKind::Dnf ? "1" : "0");
    const bool parentheses =
        form.kind == FormKind::Cnf && form.terms.size() > 1 && literals.size() > 1;
    if (parentheses) pieces.text("(");
    for (size_t n = 0; n < literals.size(); ++n) {
        if (n > 0) {
            if (form.kind == FormKind::Dnf) {
                pieces.gap();
            } else {
                pieces.orSign();
            }
        }
        pieces.literal(names[static_cast<size_t>(literals[n].variable)], literals[n].negated);
    }
    if (parentheses) pieces.text(")");
    return pieces;
}

}  // namespace

FormulaPicture formulaPicture(const NormalForm& form, const std::vector<std::string>& variables,
                              const std::string& prefix, int32_t maxWidth) {
    FormulaPicture formula;
    auto place = [&](const std::vector<FormulaPiece>& pieces, Point at) {
        for (FormulaPiece piece : pieces) {
            piece.at = {piece.at.x + at.x, piece.at.y + at.y};
            formula.pieces.push_back(piece);
            formula.size.width = std::max(formula.size.width, piece.at.x + piece.width);
        }
    };
    const int32_t indent = textWidth(prefix);
    formula.pieces.push_back({FormulaPiece::Kind::Text, {0, kBarRoom}, indent, prefix, -1});
    Point at{indent, 0};
    if (form.terms.empty()) {
        CTermPieces constant(-1);
        constant.text(form.kind == FormKind::Dnf ? "0" : "1");
        place(constant.pieces(), at);
    }
    for (size_t term = 0; term < form.terms.size(); ++term) {
        CTermPieces pieces = termPieces(form, term, variables);
        if (term > 0) {
            CTermPieces sign(-1);
            if (form.kind == FormKind::Dnf) {
                sign.orSign();
            } else {
                sign.gap();
            }
            place(sign.pieces(), at);
            at.x += sign.width();
            if (at.x + pieces.width() > maxWidth) at = {indent, at.y + kLineHeight};
        }
        place(pieces.pieces(), at);
        at.x += pieces.width();
    }
    formula.size = {std::max({formula.size.width, indent, at.x}), at.y + kLineHeight};
    return formula;
}

void drawFormula(platform::Canvas& canvas, const FormulaPicture& formula, Point origin,
                 const std::vector<platform::Rgb>& termColours) {
    const platform::Font font = canvas.selectFont(picture::kFont);
    const platform::Pen pen = canvas.selectPen({2, platform::kBlack});
    for (const FormulaPiece& piece : formula.pieces) {
        const platform::Rgb colour =
            piece.term >= 0 && static_cast<size_t>(piece.term) < termColours.size()
                ? termColours[static_cast<size_t>(piece.term)]
                : platform::kBlack;
        const int32_t x = origin.x + piece.at.x, y = origin.y + piece.at.y;
        switch (piece.kind) {
            case FormulaPiece::Kind::Text:
                canvas.setTextColor(colour);
                canvas.textOut(x, y, piece.text);
                break;
            case FormulaPiece::Kind::Bar:
                canvas.selectPen({2, colour});
                canvas.moveTo(x + 1, y + 1);
                canvas.lineTo(x + piece.width - 1, y + 1);
                break;
            case FormulaPiece::Kind::Or: {
                // A V from the capitals' height down to the line the letters stand on.
                canvas.selectPen({2, colour});
                const int32_t left = x + (piece.width - kCharWidth) / 2;
                canvas.moveTo(left, y + 4);
                canvas.lineTo(left + kCharWidth / 2, y + 15);
                canvas.lineTo(left + kCharWidth, y + 4);
                break;
            }
        }
    }
    canvas.selectPen(pen);
    canvas.selectFont(font);
    canvas.setTextColor(platform::kBlack);
}

}  // namespace analysis
