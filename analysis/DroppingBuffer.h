#pragma once
#include <cstddef>
#include <vector>

namespace analysis {

// Values appended at the back and dropped from the front, as a recording that keeps
// its last columns needs: appending never moves what is kept except when the
// storage grows, and the dropped front is given back once it is as large as what
// is kept, so each value is moved at most a few times in its life.
template <typename T>
class CDroppingBuffer {
  public:
    void append(const T* values, size_t count) {
        values_.insert(values_.end(), values, values + count);
    }
    // Room for `count` more values, for the caller to fill.
    T* appendUnset(size_t count) {
        values_.resize(values_.size() + count);
        return values_.data() + values_.size() - count;
    }
    void dropBack(size_t count) { values_.resize(values_.size() - count); }
    void dropFront(size_t count) {
        dropped_ += count;
        if (dropped_ >= kLeastCompaction && dropped_ * 2 >= values_.size()) {
            values_.erase(values_.begin(), values_.begin() + static_cast<std::ptrdiff_t>(dropped_));
            dropped_ = 0;
        }
    }
    void clear() {
        values_.clear();
        dropped_ = 0;
    }
    size_t size() const { return values_.size() - dropped_; }
    const T& operator[](size_t n) const { return values_[dropped_ + n]; }
    size_t bytesUsed() const { return values_.capacity() * sizeof(T); }

  private:
    static constexpr size_t kLeastCompaction = 4096;
    std::vector<T> values_;
    size_t dropped_ = 0;
};

}  // namespace analysis
