#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/BooleanFunction.h"
#include "analysis/NormalForm.h"

namespace analysis {

// Up to this many variables the minimal forms are found exactly (Quine–McCluskey's
// prime cubes, then the least covers by them); above it one good form is given,
// marked as not necessarily minimal.
inline constexpr int kExactVariableLimit = 12;

// Bounds that keep the worst functions from hanging the program. Work counts the
// entries of the cover tables read (see CoverProblem.h), a few nanoseconds each.
// With the defaults each form of a function of up to 12 variables takes at most some
// 35 ms, most far less; the forms of random functions of up to 8 variables are
// nearly always proven minimal, of 9 and 10 variables most of them where their
// terms are few or middling in number (the table's ones or zeros up to about half).
struct MinimiserLimits {
    // Finding the primes, then proving that no form has fewer terms, then fewer
    // literals. Past it the best form found is given, marked as not necessarily
    // minimal; a search whose first bound would take more than a third of it stops
    // at once, as it could not hope to end.
    uint64_t searchWork = 10'000'000;
    // Finding the other minimal forms. Past it `count` is a lower bound.
    uint64_t enumerationWork = 1'000'000;
    // Minimal forms listed at most; the others are only counted.
    size_t listedForms = 16;
    // Minimal forms counted at most; past it `count` says "at least this many".
    uint64_t countedForms = 1000;
    // Growing the cubes of a form of more than kExactVariableLimit variables.
    uint64_t expansionWork = 60'000'000;
};

// The minimal DNFs or CNFs of a function: fewest terms, then fewest literals.
struct FormList {
    FormKind kind = FormKind::Dnf;
    // When minimal: minimal forms (at most listedForms of them), in a fixed order;
    // else the single best form found. Never empty. Terms are in the order of their
    // rows: a variable fixed to 0 before one fixed to 1 before one left free, the
    // first variable first (so ¬X1·X2 comes before X1·¬X2).
    std::vector<NormalForm> forms;
    // Whether no form with fewer terms, or as many terms and fewer literals, exists;
    // when false, the form is shown with kNotNecessarilyMinimal.
    bool minimal = true;
    // When minimal: how many minimal forms there are if countExact, else at least
    // that many (the count stopped at countedForms or at the enumeration's bound).
    // When not minimal: 0.
    uint64_t count = 0;
    bool countExact = false;
};

struct Minimisation {
    FormList dnf;
    FormList cnf;
};

FormList minimalForms(const BooleanFunction& function, FormKind kind,
                      const MinimiserLimits& limits = {});
Minimisation minimise(const BooleanFunction& function, const MinimiserLimits& limits = {});

}  // namespace analysis
