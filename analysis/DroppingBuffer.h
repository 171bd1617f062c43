#pragma once
#include <algorithm>
#include <cstddef>
#include <vector>

namespace analysis {

// Values appended at the back and dropped from the front, as a recording that keeps
// its last columns needs: appending never moves what is kept except when the
// storage grows, and the dropped front is given back once it is as large as what
// is kept, so each value is moved at most a few times in its life. The storage
// only ever grows by doubling, so an append is a bound check and a copy.
template <typename T>
class CDroppingBuffer {
  public:
    void append(const T* values, size_t count) { std::copy_n(values, count, appendUnset(count)); }
    // Room for `count` more values, for the caller to fill.
    T* appendUnset(size_t count) {
        if (end_ + count > values_.size())
            values_.resize(std::max(values_.size() * 2, end_ + count));
        T* room = values_.data() + end_;
        end_ += count;
        return room;
    }
    void dropBack(size_t count) { end_ -= count; }
    void dropFront(size_t count) {
        dropped_ += count;
        if (dropped_ >= kLeastCompaction && dropped_ * 2 >= end_) {
            const auto kept = values_.begin() + static_cast<std::ptrdiff_t>(dropped_);
            std::copy(kept, values_.begin() + static_cast<std::ptrdiff_t>(end_), values_.begin());
            end_ -= dropped_;
            dropped_ = 0;
        }
    }
    void clear() {
        values_.clear();
        end_ = 0;
        dropped_ = 0;
    }
    size_t size() const { return end_ - dropped_; }
    const T& operator[](size_t n) const { return values_[dropped_ + n]; }
    size_t bytesUsed() const { return values_.capacity() * sizeof(T); }

  private:
    static constexpr size_t kLeastCompaction = 4096;
    std::vector<T> values_;  // its size is the room; the values are [dropped_, end_)
    size_t end_ = 0;
    size_t dropped_ = 0;
};

}  // namespace analysis
