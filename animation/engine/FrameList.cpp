#include "animation/engine/FrameList.h"

#include <algorithm>

namespace animation {

int FrameList::markedCount() const {
  return int(
      std::count_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.marked; }));
}

std::vector<std::string> FrameList::lines() const {
  std::vector<std::string> out;
  out.reserve(entries_.size());
  for (const Entry& e : entries_) out.push_back(e.text);
  return out;
}

void FrameList::setItemIndex(int index) { itemIndex_ = index >= 0 && index < size() ? index : -1; }

void FrameList::clampItemIndex() {
  if (itemIndex_ >= size()) itemIndex_ = size() - 1;
}

void FrameList::append(const std::vector<std::string>& texts) {
  for (const std::string& t : texts) entries_.push_back({t, false});
}

void FrameList::appendMarked(const std::vector<std::string>& texts) {
  for (const std::string& t : texts) entries_.push_back({t, true});
}

void FrameList::insert(const std::vector<std::string>& texts) {
  if (itemIndex_ < 0) {
    append(texts);
    return;
  }
  std::vector<Entry> block;
  block.reserve(texts.size());
  for (const std::string& t : texts) block.push_back({t, false});
  entries_.insert(entries_.begin() + itemIndex_, block.begin(), block.end());
  itemIndex_ += int(block.size());
}

int FrameList::removeMarked() {
  const std::size_t removed = std::erase_if(entries_, [](const Entry& e) { return e.marked; });
  itemIndex_ = empty() ? -1 : 0;
  return int(removed);
}

bool FrameList::removeCurrent() {
  if (itemIndex_ < 0) return false;
  entries_.erase(entries_.begin() + itemIndex_);
  clampItemIndex();
  return true;
}

void FrameList::markAll() {
  for (Entry& e : entries_) e.marked = true;
}

void FrameList::replace(const std::vector<std::string>& texts) {
  entries_.clear();
  itemIndex_ = -1;
  append(texts);
}

int FrameList::takeNextMarked(WalkFrom from) {
  const int n = size();
  for (int k = 0; k < n; ++k) {
    const int i = from == WalkFrom::Top ? k : n - 1 - k;
    if (entries_[std::size_t(i)].marked) {
      entries_[std::size_t(i)].marked = false;
      return i;
    }
  }
  return -1;
}

}  // namespace animation
