// The minimal forms against the truth: every form computes the function, none is
// beaten (by brute force where that is affordable), and the listing finds each
// minimal form once.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <functional>
#include <random>
#include <set>
#include <utility>

#include "analysis/Minimiser.h"

namespace {

using analysis::BooleanFunction;
using analysis::Cube;
using analysis::FormKind;
using analysis::FormList;
using analysis::NormalForm;

BooleanFunction randomFunction(int variables, std::mt19937& random) {
    std::bernoulli_distribution one(std::uniform_real_distribution<double>(0.05, 0.95)(random));
    std::vector<bool> table(size_t{1} << variables);
    for (auto&& row : table) row = one(random);
    return *BooleanFunction::fromTable(analysis::defaultVariableNames(variables), table);
}

BooleanFunction functionOf(int variables, const std::function<bool(uint32_t)>& rule) {
    std::vector<bool> table(size_t{1} << variables);
    for (uint32_t row = 0; row < table.size(); ++row) table[row] = rule(row);
    return *BooleanFunction::fromTable(analysis::defaultVariableNames(variables), table);
}

// The rows a form's terms stand for: ones of a DNF, zeros of a CNF.
bool coveredRow(const BooleanFunction& f, FormKind kind, uint32_t row) {
    return f.value(row) == (kind == FormKind::Dnf);
}

bool insideOf(const BooleanFunction& f, FormKind kind, const Cube& cube) {
    for (uint32_t row = 0; row < f.rowCount(); ++row) {
        if (cube.contains(row) && !coveredRow(f, kind, row)) return false;
    }
    return true;
}

bool computes(const NormalForm& form, const BooleanFunction& f) {
    for (uint32_t row = 0; row < f.rowCount(); ++row) {
        if (form.valueAt(row) != f.value(row)) return false;
    }
    return true;
}

// What a minimal form must be besides right: every term prime (no literal can go)
// and needed (no term can go).
void expectPrimeAndIrredundant(const NormalForm& form, const BooleanFunction& f) {
    for (size_t t = 0; t < form.terms.size(); ++t) {
        const Cube term = form.terms[t];
        for (uint32_t bit = 1; bit < f.rowCount(); bit <<= 1) {
            if ((term.care & bit) != 0) {
                EXPECT_FALSE(insideOf(f, form.kind, {term.care & ~bit, term.bits & ~bit}));
            }
        }
        NormalForm without = form;
        without.terms.erase(without.terms.begin() + static_cast<std::ptrdiff_t>(t));
        EXPECT_FALSE(computes(without, f)) << "term " << t << " is not needed";
    }
}

int64_t costOf(const NormalForm& form) {
    return static_cast<int64_t>(form.terms.size()) * 1000 + form.literalCount();
}

void expectSoundList(const FormList& list, const BooleanFunction& f) {
    ASSERT_FALSE(list.forms.empty());
    std::set<std::vector<std::pair<uint32_t, uint32_t>>> distinct;
    for (const NormalForm& form : list.forms) {
        EXPECT_EQ(form.kind, list.kind);
        EXPECT_TRUE(computes(form, f));
        if (!list.minimal) continue;
        expectPrimeAndIrredundant(form, f);
        EXPECT_EQ(costOf(form), costOf(list.forms.front()));
        std::vector<std::pair<uint32_t, uint32_t>> terms;
        for (const Cube& term : form.terms) terms.emplace_back(term.care, term.bits);
        std::sort(terms.begin(), terms.end());
        EXPECT_TRUE(distinct.insert(terms).second) << "a form listed twice";
    }
    if (!list.minimal) return;
    EXPECT_GE(list.count, list.forms.size());
    const analysis::MinimiserLimits limits;
    if (list.count < limits.listedForms) {
        EXPECT_EQ(list.forms.size(), list.count);
    }
}

// Brute force on at most 4 variables (16 rows, so a set of rows is a 16-bit mask):
// every cube inside the set, the least cost of covering each subset of it, and the
// number of least covers.
class CBruteForce {
  public:
    CBruteForce(const BooleanFunction& f, FormKind kind) : n_(f.variableCount()) {
        for (uint32_t row = 0; row < f.rowCount(); ++row) {
            if (coveredRow(f, kind, row)) rows_ |= 1u << row;
        }
        const uint32_t all = f.rowCount() - 1;
        for (uint32_t care = 0; care <= all; ++care) {
            for (uint32_t bits = care;; bits = (bits - 1) & care) {
                const Cube cube{care, bits};
                if (insideOf(f, kind, cube)) cubes_.push_back({cube, maskOf(cube)});
                if (bits == 0) break;
            }
        }
        least_.assign(size_t{1} << f.rowCount(), -1);
    }

    int64_t leastCost() { return leastCostOf(rows_); }

    // Sets of prime cubes with the least cost that cover the set.
    uint64_t leastCoverCount() {
        std::vector<Entry> primes;
        for (const Entry& entry : cubes_) {
            if (std::none_of(cubes_.begin(), cubes_.end(), [&](const Entry& other) {
                    return other.mask != entry.mask && (other.mask & entry.mask) == entry.mask;
                }))
                primes.push_back(entry);
        }
        const int64_t least = leastCost();
        uint64_t count = 0;
        std::function<void(size_t, uint32_t, int64_t)> choose = [&](size_t next, uint32_t covered,
                                                                    int64_t cost) {
            if (cost > least) return;
            if (covered == rows_) {
                count += cost == least;
                return;
            }
            for (size_t p = next; p < primes.size(); ++p)
                choose(p + 1, covered | primes[p].mask, cost + termCost(primes[p].cube));
        };
        choose(0, 0, 0);
        return count;
    }

  private:
    struct Entry {
        Cube cube;
        uint32_t mask;
    };

    uint32_t maskOf(const Cube& cube) const {
        uint32_t mask = 0;
        for (uint32_t row = 0; row < (1u << n_); ++row) {
            if (cube.contains(row)) mask |= 1u << row;
        }
        return mask;
    }
    static int64_t termCost(const Cube& cube) { return 1000 + cube.literalCount(); }

    // The lowest row of the set is in some cube of every cover.
    int64_t leastCostOf(uint32_t set) {
        if (set == 0) return 0;
        int64_t& known = least_[set];
        if (known >= 0) return known;
        const uint32_t lowest = set & (~set + 1);
        int64_t best = INT64_MAX;
        for (const Entry& entry : cubes_) {
            if ((entry.mask & lowest) != 0)
                best = std::min(best, termCost(entry.cube) + leastCostOf(set & ~entry.mask));
        }
        return known = best;
    }

    int n_;
    uint32_t rows_ = 0;
    std::vector<Entry> cubes_;
    std::vector<int64_t> least_;
};

// Covers by prime cubes on up to 6 variables (a set of rows is a 64-bit mask),
// searched plainly: the lowest row not yet covered takes each of its primes in turn,
// each later one without the earlier ones, so that each set of primes is met once.
class CPrimeCovers {
  public:
    CPrimeCovers(const BooleanFunction& f, FormKind kind) {
        for (uint32_t row = 0; row < f.rowCount(); ++row) {
            if (coveredRow(f, kind, row)) rows_ |= uint64_t{1} << row;
        }
        std::vector<std::pair<Cube, uint64_t>> inside;
        for (uint32_t care = 0; care < f.rowCount(); ++care) {
            for (uint32_t bits = care;; bits = (bits - 1) & care) {
                uint64_t mask = 0;
                for (uint32_t row = 0; row < f.rowCount(); ++row) {
                    if ((row & care) == bits) mask |= uint64_t{1} << row;
                }
                if ((mask & ~rows_) == 0) inside.push_back({{care, bits}, mask});
                if (bits == 0) break;
            }
        }
        for (const auto& entry : inside) {
            const uint64_t mask = entry.second;
            if (std::none_of(inside.begin(), inside.end(), [&](const auto& other) {
                    return other.second != mask && (other.second & mask) == mask;
                }))
                primes_.push_back(entry);
        }
    }

    // How many covers cost `limit`, and whether one costs less.
    uint64_t countAt(int64_t limit) {
        limit_ = limit;
        count_ = 0;
        std::vector<bool> leftOut(primes_.size(), false);
        search(0, 0, leftOut);
        return count_;
    }
    bool cheaperFound() const { return cheaper_; }

  private:
    void search(uint64_t covered, int64_t cost, std::vector<bool>& leftOut) {
        if (cost > limit_) return;
        if (covered == rows_) {
            count_ += cost == limit_;
            cheaper_ = cheaper_ || cost < limit_;
            return;
        }
        const uint64_t lowest = (rows_ & ~covered) & (~(rows_ & ~covered) + 1);
        std::vector<size_t> tried;
        for (size_t p = 0; p < primes_.size(); ++p) {
            if (leftOut[p] || (primes_[p].second & lowest) == 0) continue;
            search(covered | primes_[p].second, cost + 1000 + primes_[p].first.literalCount(),
                   leftOut);
            leftOut[p] = true;
            tried.push_back(p);
        }
        for (const size_t p : tried) leftOut[p] = false;
    }

    uint64_t rows_ = 0;
    std::vector<std::pair<Cube, uint64_t>> primes_;
    int64_t limit_ = 0;
    uint64_t count_ = 0;
    bool cheaper_ = false;
};

TEST(Minimiser, RandomFunctionsGetSoundMinimalForms) {
    std::mt19937 random(20240611);
    for (int variables = 0; variables <= 8; ++variables) {
        const int rounds = variables <= 4 ? 60 : 12;
        for (int round = 0; round < rounds; ++round) {
            const BooleanFunction f = randomFunction(variables, random);
            for (const FormKind kind : {FormKind::Dnf, FormKind::Cnf}) {
                SCOPED_TRACE(testing::Message() << variables << " variables, round " << round
                                                << (kind == FormKind::Dnf ? " DNF" : " CNF"));
                const FormList list = analysis::minimalForms(f, kind);
                EXPECT_TRUE(list.minimal);
                expectSoundList(list, f);
                if (variables == 5) {
                    CPrimeCovers covers(f, kind);
                    const uint64_t count = covers.countAt(costOf(list.forms.front()));
                    EXPECT_FALSE(covers.cheaperFound());
                    EXPECT_TRUE(list.countExact ? list.count == count : list.count <= count);
                }
                if (variables > 4) continue;
                CBruteForce brute(f, kind);
                EXPECT_EQ(costOf(list.forms.front()), brute.leastCost());
                ASSERT_TRUE(list.countExact);
                EXPECT_EQ(list.count, brute.leastCoverCount());
            }
        }
    }
}

// Functions of 12 variables whose minimal forms are known: parity has a term for each
// of its 2048 ones (or zeros), a threshold "at least k of 12" a term for each k of the
// variables and a clause for each 13 - k of them. Each minimal form is the only one.
TEST(Minimiser, SymmetricFunctionsOf12VariablesGetTheirKnownForms) {
    struct Case {
        std::function<bool(uint32_t)> rule;
        size_t terms, clauses;
        int termLiterals, clauseLiterals;
    };
    const std::vector<Case> cases{
        {[](uint32_t row) { return std::popcount(row) % 2 == 1; }, 2048, 2048, 12, 12},
        {[](uint32_t row) { return std::popcount(row) >= 4; }, 495, 220, 4, 9},
        {[](uint32_t row) { return std::popcount(row) >= 6; }, 924, 792, 6, 7},
    };
    for (const Case& c : cases) {
        const analysis::Minimisation forms = analysis::minimise(functionOf(12, c.rule));
        for (const FormList* list : {&forms.dnf, &forms.cnf}) {
            const bool dnf = list == &forms.dnf;
            SCOPED_TRACE(testing::Message() << (dnf ? c.terms : c.clauses) << " terms");
            ASSERT_TRUE(list->minimal);
            EXPECT_EQ(list->count, 1u);
            EXPECT_TRUE(list->countExact);
            EXPECT_EQ(list->forms.front().terms.size(), dnf ? c.terms : c.clauses);
            EXPECT_EQ(list->forms.front().literalCount(),
                      static_cast<int>(dnf ? c.terms : c.clauses) *
                          (dnf ? c.termLiterals : c.clauseLiterals));
        }
    }
}

// Every row has two primes and none is essential: the search must branch, and the
// two minimal forms are found and ordered.
// Ones at 000, 001, 010, 101, 110, 111.
BooleanFunction cyclicFunction() {
    return functionOf(3, [](uint32_t row) { return row != 3 && row != 4; });
}

TEST(Minimiser, CyclicFunctionHasBothOfItsMinimalForms) {
    const BooleanFunction f = cyclicFunction();
    const FormList list = analysis::minimalForms(f, FormKind::Dnf);
    ASSERT_TRUE(list.minimal);
    ASSERT_EQ(list.count, 2u);
    ASSERT_EQ(list.forms.size(), 2u);
    // ¬X1·¬X2 ∨ X1·X3 ∨ X2·¬X3, and ¬X1·¬X3 ∨ X1·X2 ∨ ¬X2·X3.
    EXPECT_EQ(list.forms[0].terms,
              (std::vector<Cube>{{0b110, 0b000}, {0b101, 0b101}, {0b011, 0b010}}));
    EXPECT_EQ(list.forms[1].terms,
              (std::vector<Cube>{{0b101, 0b000}, {0b110, 0b110}, {0b011, 0b001}}));

    analysis::MinimiserLimits few;
    few.listedForms = 1;
    const FormList listed = analysis::minimalForms(f, FormKind::Dnf, few);
    EXPECT_EQ(listed.forms.size(), 1u);
    EXPECT_EQ(listed.count, 2u);
    EXPECT_TRUE(listed.countExact);
    few.countedForms = 1;
    const FormList counted = analysis::minimalForms(f, FormKind::Dnf, few);
    EXPECT_EQ(counted.count, 1u);
    EXPECT_FALSE(counted.countExact);
}

// Past its work bound the search gives what it has and does not call it minimal;
// past 12 variables every form is only a good one.
TEST(Minimiser, BoundedAndLargeFunctionsAreNotClaimedMinimal) {
    const BooleanFunction cyclic = cyclicFunction();
    analysis::MinimiserLimits tight;
    tight.searchWork = 1;
    const FormList bounded = analysis::minimalForms(cyclic, FormKind::Dnf, tight);
    EXPECT_FALSE(bounded.minimal);
    EXPECT_EQ(bounded.count, 0u);
    expectSoundList(bounded, cyclic);

    std::mt19937 random(7);
    for (const int variables : {13, 16}) {
        const BooleanFunction f = randomFunction(variables, random);
        for (const FormKind kind : {FormKind::Dnf, FormKind::Cnf}) {
            const FormList list = analysis::minimalForms(f, kind);
            EXPECT_FALSE(list.minimal);
            expectSoundList(list, f);
        }
    }
}

TEST(Minimiser, ConstantsAreEmptyFormsOrOneEmptyTerm) {
    for (const int variables : {0, 3}) {
        for (const bool value : {false, true}) {
            const analysis::Minimisation forms =
                analysis::minimise(functionOf(variables, [&](uint32_t) { return value; }));
            const std::vector<Cube> none, empty{Cube{}};
            EXPECT_EQ(forms.dnf.forms.front().terms, value ? empty : none);
            EXPECT_EQ(forms.cnf.forms.front().terms, value ? none : empty);
            EXPECT_TRUE(forms.dnf.minimal && forms.cnf.minimal);
            EXPECT_EQ(forms.dnf.count, 1u);
        }
    }
}

}  // namespace
