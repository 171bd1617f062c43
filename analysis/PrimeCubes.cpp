#include "analysis/PrimeCubes.h"

#include <algorithm>
#include <bit>

namespace analysis {
namespace {

// A cube as n ternary digits, digit i for row bit i: 0 and 1 fix the bit, 2 leaves
// it free. Its number on the table is the digits read in base 3; a cube with a free
// digit has its two halves (that digit 0 and 1) numbered 2 and 1 powers lower.
constexpr uint8_t kFree = 2;
constexpr uint32_t kNone = 0;

// Some low digits of the cubes: their care and bits, and the power of three of the
// lowest free one (kNone when all are fixed).
struct Digits {
    uint32_t care = 0;
    uint32_t bits = 0;
    uint32_t lowestFree = kNone;
};

// All numbers of `count` digits in ascending order.
std::vector<Digits> allDigits(int count) {
    std::vector<Digits> all{{}};
    uint32_t power = 1;
    for (int digit = 0; digit < count; ++digit, power *= 3) {
        std::vector<Digits> longer;
        for (uint8_t value = 0; value <= kFree; ++value) {
            for (const Digits& low : all) {
                Digits next = low;
                const uint32_t bit = uint32_t{1} << digit;
                if (value != kFree) next.care |= bit;
                if (value == 1) next.bits |= bit;
                if (value == kFree && low.lowestFree == kNone) next.lowestFree = power;
                longer.push_back(next);
            }
        }
        all = std::move(longer);
    }
    return all;
}

// The table of all cubes, walked as a high part (a counter over its digits) times
// the low parts of a few digits: each cube is visited in order with its care, bits
// and lowest free power.
class CCubeWalk {
  public:
    explicit CCubeWalk(int variableCount)
        : lowCount_(std::min(variableCount, 4)),
          highCount_(variableCount - lowCount_),
          low_(allDigits(lowCount_)),
          highDigits_(static_cast<size_t>(highCount_), 0) {}

    template <typename Visit>
    void run(Visit visit) {
        const auto lowSize = static_cast<uint32_t>(low_.size());
        Digits high{(uint32_t{1} << highCount_) - 1, 0, kNone};
        uint32_t number = 0;
        for (;;) {
            for (const Digits& low : low_) {
                const Cube cube{high.care << lowCount_ | low.care,
                                high.bits << lowCount_ | low.bits};
                const uint32_t lowestFree =
                    low.lowestFree != kNone ? low.lowestFree : high.lowestFree * lowSize;
                visit(number++, cube, lowestFree);
            }
            if (!advance(high)) return;
        }
    }

  private:
    bool advance(Digits& high) {
        for (int digit = 0; digit < highCount_; ++digit) {
            uint8_t& value = highDigits_[static_cast<size_t>(digit)];
            const uint32_t bit = uint32_t{1} << digit;
            if (value == 0) {
                value = 1;
                high.bits |= bit;
            } else if (value == 1) {
                value = kFree;
                high.care &= ~bit;
                high.bits &= ~bit;
            } else {
                value = 0;
                high.care |= bit;
                continue;
            }
            const uint32_t free = ((uint32_t{1} << highCount_) - 1) & ~high.care;
            high.lowestFree = free == 0 ? kNone : powerOfThree(std::countr_zero(free));
            return true;
        }
        return false;
    }
    static uint32_t powerOfThree(int exponent) {
        uint32_t power = 1;
        for (int i = 0; i < exponent; ++i) power *= 3;
        return power;
    }

    int lowCount_;
    int highCount_;
    std::vector<Digits> low_;
    std::vector<uint8_t> highDigits_;
};

}  // namespace

// A cube is inside the set when it is a row of it or both of its halves are; an
// inside cube is prime when freeing any of its fixed digits (adding 2 - digit times
// its power of three) leaves the set.
std::vector<Cube> primeCubes(const RowSet& inside, int variableCount) {
    uint32_t total = 1;
    std::vector<uint32_t> powers;
    for (int digit = 0; digit < variableCount; ++digit, total *= 3) powers.push_back(total);
    std::vector<uint8_t> isInside(total, 0);
    CCubeWalk(variableCount).run([&](uint32_t number, const Cube& cube, uint32_t lowestFree) {
        isInside[number] = lowestFree == kNone
                               ? inside[cube.bits]
                               : isInside[number - 2 * lowestFree] & isInside[number - lowestFree];
    });
    std::vector<Cube> primes;
    CCubeWalk(variableCount).run([&](uint32_t number, const Cube& cube, uint32_t) {
        if (isInside[number] == 0) return;
        for (uint32_t fixed = cube.care; fixed != 0; fixed &= fixed - 1) {
            const auto digit = static_cast<size_t>(std::countr_zero(fixed));
            const uint32_t up = (cube.bits >> digit & 1) != 0 ? powers[digit] : 2 * powers[digit];
            if (isInside[number + up] != 0) return;
        }
        primes.push_back(cube);
    });
    return primes;
}

}  // namespace analysis
