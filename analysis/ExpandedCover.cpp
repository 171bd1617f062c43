#include "analysis/ExpandedCover.h"

#include <algorithm>

#include "analysis/WorkBudget.h"

namespace analysis {
namespace {

class CExpansion {
  public:
    CExpansion(const RowSet& inside, int variableCount, uint64_t work)
        : inside_(inside),
          variableCount_(variableCount),
          covers_(inside.size(), 0),
          budget_(work) {}

    std::vector<Cube> cover() {
        for (uint32_t row = 0; row < inside_.size(); ++row) {
            if (inside_[row] == 0 || covers_[row] != 0) continue;
            const Cube cube = grown(row);
            forEachRow(cube, variableCount_, [&](uint32_t covered) { ++covers_[covered]; });
            cubes_.push_back(cube);
        }
        return withoutUnneeded();
    }

  private:
    // How many rows of the cube are uncovered, or -1 when one lies outside the set.
    int64_t uncoveredInside(const Cube& cube) {
        int64_t uncovered = 0;
        bool inside = true;
        forEachRow(cube, variableCount_, [&](uint32_t row) {
            inside = inside && inside_[row] != 0;
            uncovered += covers_[row] == 0;
        });
        budget_.spend(uint64_t{1} << (variableCount_ - cube.literalCount()));
        return inside ? uncovered : -1;
    }

    Cube grown(uint32_t row) {
        Cube cube{(uint32_t{1} << variableCount_) - 1, row};
        while (!budget_.exhausted()) {
            uint32_t bestBit = 0;
            int64_t bestGain = -1;
            for (int variable = 0; variable < variableCount_; ++variable) {
                const uint32_t bit = uint32_t{1} << variable;
                if ((bit & cube.care) == 0) continue;
                const int64_t gain = uncoveredInside({cube.care, cube.bits ^ bit});
                if (gain > bestGain) {
                    bestGain = gain;
                    bestBit = bit;
                }
            }
            if (bestGain < 0) break;
            cube.care &= ~bestBit;
            cube.bits &= ~bestBit;
        }
        return cube;
    }

    std::vector<Cube> withoutUnneeded() {
        std::stable_sort(cubes_.begin(), cubes_.end(), [](const Cube& a, const Cube& b) {
            return a.literalCount() > b.literalCount();
        });
        std::vector<Cube> kept;
        for (const Cube& cube : cubes_) {
            bool needed = false;
            forEachRow(cube, variableCount_,
                       [&](uint32_t row) { needed = needed || covers_[row] == 1; });
            if (needed) {
                kept.push_back(cube);
            } else {
                forEachRow(cube, variableCount_, [&](uint32_t row) { --covers_[row]; });
            }
        }
        return kept;
    }

    const RowSet& inside_;
    int variableCount_;
    std::vector<uint32_t> covers_;
    std::vector<Cube> cubes_;
    WorkBudget budget_;
};

}  // namespace

std::vector<Cube> expandedCover(const RowSet& inside, int variableCount, uint64_t work) {
    return CExpansion(inside, variableCount, work).cover();
}

}  // namespace analysis
