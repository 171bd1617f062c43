#include "analysis/PrimeCubes.h"

namespace analysis {
namespace {

// A cube as n ternary digits, digit i for row bit i: 0 and 1 fix the bit, 2 leaves
// it free. Its number on the table is the digits read in base 3.
constexpr uint8_t kFree = 2;

struct TernaryCounter {
    explicit TernaryCounter(int variableCount) : digits(static_cast<size_t>(variableCount), 0) {}

    void next() {
        for (uint8_t& digit : digits) {
            if (digit < kFree) {
                ++digit;
                return;
            }
            digit = 0;
        }
    }
    Cube cube() const {
        Cube cube;
        for (size_t i = 0; i < digits.size(); ++i) {
            if (digits[i] == kFree) continue;
            cube.care |= uint32_t{1} << i;
            if (digits[i] == 1) cube.bits |= uint32_t{1} << i;
        }
        return cube;
    }

    std::vector<uint8_t> digits;
};

std::vector<uint32_t> powersOfThree(int variableCount) {
    std::vector<uint32_t> powers{1};
    for (int i = 0; i < variableCount; ++i) powers.push_back(powers.back() * 3);
    return powers;
}

// Whether each cube lies inside the set: a fixed cube is one row; a cube with a free
// digit is inside when both of its halves (that digit 0 and 1, both numbered lower)
// are.
std::vector<uint8_t> insideCubes(const RowSet& inside, int variableCount,
                                 const std::vector<uint32_t>& powers) {
    const uint32_t total = powers.back();
    std::vector<uint8_t> isInside(total, 0);
    TernaryCounter counter(variableCount);
    for (uint32_t number = 0; number < total; ++number, counter.next()) {
        size_t freeDigit = 0;
        while (freeDigit < counter.digits.size() && counter.digits[freeDigit] != kFree) ++freeDigit;
        if (freeDigit == counter.digits.size()) {
            isInside[number] = inside[counter.cube().bits];
        } else {
            const uint32_t power = powers[freeDigit];
            isInside[number] = isInside[number - 2 * power] & isInside[number - power];
        }
    }
    return isInside;
}

}  // namespace

std::vector<Cube> primeCubes(const RowSet& inside, int variableCount) {
    const std::vector<uint32_t> powers = powersOfThree(variableCount);
    const std::vector<uint8_t> isInside = insideCubes(inside, variableCount, powers);
    std::vector<Cube> primes;
    TernaryCounter counter(variableCount);
    for (uint32_t number = 0; number < powers.back(); ++number, counter.next()) {
        if (isInside[number] == 0) continue;
        bool prime = true;
        for (size_t i = 0; i < counter.digits.size() && prime; ++i) {
            const uint8_t digit = counter.digits[i];
            if (digit != kFree) prime = isInside[number + (kFree - digit) * powers[i]] == 0;
        }
        if (prime) primes.push_back(counter.cube());
    }
    return primes;
}

}  // namespace analysis
