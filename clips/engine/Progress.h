#pragma once
// Progress of a pass over the rows of a bitmap: one step for each 1 % of the
// rows, as the main window's progress bar counts them. The window connects a
// step to its bar (and lets pending messages run); engine code only counts.
#include <cstdint>
#include <functional>
#include <utility>

namespace clips {

using ProgressStep = std::function<void()>;

// A step of a pass the user may stop: called with the bar's position (1 to
// 100) at each 1 % of the rows. The window moves its bar, lets pending
// messages run (a Stop button, Escape) and answers false to stop. A stopped
// pass leaves its picture as it was before the pass began.
using StoppableStep = std::function<bool(int position)>;

namespace detail {
// The 1 % steps that row y completes beyond `passed` of them.
inline bool nextStepDue(int passed, int rows, int y) {
  return passed < 100 && std::int64_t(passed + 1) * rows <= std::int64_t(y + 1) * 100;
}
}  // namespace detail

class RowProgress {
 public:
  RowProgress(int rows, ProgressStep step) : rows_(rows), step_(std::move(step)) {}

  // Called once per row, in order, as row y begins; steps for every further
  // 1 % of the rows that row y completes, so the last row brings the count
  // to 100.
  void row(int y) {
    if (!step_) return;
    while (detail::nextStepDue(passed_, rows_, y)) {
      ++passed_;
      step_();
    }
  }

 private:
  int rows_;
  int passed_ = 0;
  ProgressStep step_;
};

// The same counting for a pass that can be stopped.
class StoppableRows {
 public:
  StoppableRows(int rows, StoppableStep step) : rows_(rows), step_(std::move(step)) {}

  // Called once per row, in order, as row y begins. False once the user has
  // asked to stop: the pass must then put back what it changed.
  bool row(int y) {
    if (!step_) return true;
    while (detail::nextStepDue(passed_, rows_, y))
      if (!step_(++passed_)) return false;
    return true;
  }

 private:
  int rows_;
  int passed_ = 0;
  StoppableStep step_;
};

// Part `index` (from 0) of `parts` passes made one after the other, shown as
// that share of one bar.
inline StoppableStep partOf(const StoppableStep& step, int index, int parts) {
  if (!step) return {};
  return [step, index, parts](int position) { return step((index * 100 + position) / parts); };
}

}  // namespace clips
