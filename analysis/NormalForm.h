#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace analysis {

// A set of rows of a truth table that fixes some variables and leaves the others
// free: the rows r with (r & care) == bits. Bits follow the rows' layout (see
// BooleanFunction); bits outside care are 0.
struct Cube {
    uint32_t care = 0;
    uint32_t bits = 0;
    friend bool operator==(const Cube&, const Cube&) = default;

    bool contains(uint32_t row) const { return (row & care) == bits; }
    int literalCount() const { return std::popcount(care); }
};

// A disjunction of conjunctions (each term a cube of ones: the term is 1 exactly
// there) or a conjunction of disjunctions (each clause a cube of zeros: the clause is
// 0 exactly there). An empty list of terms is the constant 0 for a DNF and 1 for a
// CNF; one term without literals is the constant 1 for a DNF and 0 for a CNF.
enum class FormKind { Dnf, Cnf };

struct NormalForm {
    FormKind kind = FormKind::Dnf;
    std::vector<Cube> terms;
    friend bool operator==(const NormalForm&, const NormalForm&) = default;

    bool valueAt(uint32_t row) const {
        for (const Cube& term : terms) {
            if (term.contains(row)) return kind == FormKind::Dnf;
        }
        return kind == FormKind::Cnf;
    }
    int literalCount() const {
        int count = 0;
        for (const Cube& term : terms) count += term.literalCount();
        return count;
    }
};

// One variable of a term, negated or not.
struct Literal {
    int variable = 0;  // 0 is the first variable
    bool negated = false;
    friend bool operator==(const Literal&, const Literal&) = default;
};

// A term's literals in the order of the variables. A DNF term has Xi where its rows
// have Xi = 1 and ¬Xi where Xi = 0; a CNF clause the other way round, since it is 0
// on its cube.
inline std::vector<Literal> literalsOf(const Cube& term, FormKind kind, int variableCount) {
    std::vector<Literal> literals;
    for (int variable = 0; variable < variableCount; ++variable) {
        const uint32_t bit = uint32_t{1} << (variableCount - 1 - variable);
        if ((term.care & bit) == 0) continue;
        const bool one = (term.bits & bit) != 0;
        literals.push_back({variable, kind == FormKind::Dnf ? !one : one});
    }
    return literals;
}

}  // namespace analysis
