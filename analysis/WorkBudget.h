#pragma once
#include <cstdint>

namespace analysis {

// Work that a search may still do; once spent, the search stops where it is. Work
// counts the entries of the cover tables read, so it grows with the time taken
// whatever the table's shape.
class WorkBudget {
  public:
    explicit WorkBudget(uint64_t work) : left_(work) {}
    bool spend(uint64_t work) {
        exhausted_ = exhausted_ || work > left_;
        left_ = exhausted_ ? 0 : left_ - work;
        return !exhausted_;
    }
    // Gives up what is left, as a search does that could not finish with it.
    void exhaust() { spend(left_ + 1); }
    bool exhausted() const { return exhausted_; }
    uint64_t left() const { return left_; }

  private:
    uint64_t left_;
    bool exhausted_ = false;
};

}  // namespace analysis
