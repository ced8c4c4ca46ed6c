#pragma once
// Progress of a pass over the rows of a bitmap: one step for each 1 % of the
// rows, as the main window's progress bar counts them. The window connects a
// step to its bar (and lets pending messages run); engine code only counts.
#include <cstdint>
#include <functional>
#include <utility>

namespace clips {

using ProgressStep = std::function<void()>;

class RowProgress {
 public:
  RowProgress(int rows, ProgressStep step) : rows_(rows), step_(std::move(step)) {}

  // Called once per row, in order, as row y begins; steps for every further
  // 1 % of the rows that row y completes, so the last row brings the count
  // to 100.
  void row(int y) {
    if (!step_) return;
    while (passed_ < 100 && std::int64_t(passed_ + 1) * rows_ <= std::int64_t(y + 1) * 100) {
      ++passed_;
      step_();
    }
  }

 private:
  int rows_;
  int passed_ = 0;
  ProgressStep step_;
};

}  // namespace clips
