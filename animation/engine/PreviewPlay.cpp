#include "animation/engine/PreviewPlay.h"

namespace animation {

bool PreviewPlay::start(const FrameList& list) {
  if (list.empty() || list.itemIndex() < 0) return false;
  playing_ = true;
  index_ = 0;
  return true;
}

std::optional<PreviewPlay::Slot> PreviewPlay::next(const FrameList& list) {
  if (!playing_) return std::nullopt;
  if (list.empty()) {
    playing_ = false;
    return std::nullopt;
  }
  const int entry = position(list);
  index_ = entry + 1 < list.size() ? entry + 1 : 0;
  return Slot{entry, list.marked(entry)};
}

std::optional<std::string> PreviewPlay::upcomingFrame(const FrameList& list) const {
  if (!playing_ || list.empty()) return std::nullopt;
  const int n = list.size();
  for (int k = 0, entry = position(list); k < n; ++k, entry = entry + 1 < n ? entry + 1 : 0)
    if (list.marked(entry)) return list.entry(entry);
  return std::nullopt;
}

}  // namespace animation
