#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace analysis {

// Lists of numbers kept one after another in one vector: the cover tables are
// copied at every step of the search, and lists of lists would cost an allocation
// each.
class PackedLists {
  public:
    size_t count() const { return start_.size() - 1; }
    size_t entries() const { return numbers_.size(); }
    std::span<const uint32_t> operator[](size_t list) const {
        return {numbers_.data() + start_[list], start_[list + 1] - start_[list]};
    }

    // A number onto the list being built, which finish() ends.
    void add(uint32_t number) { numbers_.push_back(number); }
    void finish() { start_.push_back(numbers_.size()); }
    void append(std::span<const uint32_t> list) {
        numbers_.insert(numbers_.end(), list.begin(), list.end());
        finish();
    }
    // Only the first `lists` lists.
    void truncate(size_t lists) {
        start_.resize(lists + 1);
        numbers_.resize(start_.back());
    }

    // Where each number occurs: list n of the result holds, ascending, the lists in
    // which n is; numbers run below `range`.
    PackedLists transposed(size_t range) const {
        PackedLists result;
        result.start_.assign(range + 1, 0);
        for (const uint32_t number : numbers_) ++result.start_[number + 1];
        for (size_t n = 0; n < range; ++n) result.start_[n + 1] += result.start_[n];
        result.numbers_.resize(numbers_.size());
        std::vector<size_t> next(result.start_.begin(), result.start_.end() - 1);
        for (size_t list = 0; list < count(); ++list) {
            for (const uint32_t number : (*this)[list])
                result.numbers_[next[number]++] = static_cast<uint32_t>(list);
        }
        return result;
    }

  private:
    std::vector<size_t> start_{0};
    std::vector<uint32_t> numbers_;
};

}  // namespace analysis
