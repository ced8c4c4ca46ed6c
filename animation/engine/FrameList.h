#pragma once
// The Animation Manager's frame list: an ordered list of entries (as a rule
// full paths of frame files), each with a mark. Marked entries are the ones
// played, resized and copied to the clipboard; the order is the play order.
// Duplicates are allowed and nothing checks that a file exists.
//
// The list box shows this list: an entry's mark is its selection, and
// itemIndex() is the list box's current item. Entries are the file system's
// own bytes, so every file name survives the round trip through a list file.
#include <string>
#include <vector>

namespace animation {

// Which end the clipboard walk over the marked frames starts from.
enum class WalkFrom { Top, Bottom };

class FrameList {
 public:
  int size() const { return int(entries_.size()); }
  bool empty() const { return entries_.empty(); }
  const std::string& entry(int index) const { return entries_.at(std::size_t(index)).text; }
  bool marked(int index) const { return entries_.at(std::size_t(index)).marked; }
  void setMarked(int index, bool on) { entries_.at(std::size_t(index)).marked = on; }
  int markedCount() const;
  // Every entry's text, in order.
  std::vector<std::string> lines() const;

  // The current entry, -1 for none. Indexes outside the list give -1.
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);

  // Appends unmarked ("UnMarked", a double-click in the file list, a drop
  // from another list box).
  void append(const std::vector<std::string>& texts);
  // Appends and marks the appended entries ("Marked"); nothing to append
  // marks nothing.
  void appendMarked(const std::vector<std::string>& texts);
  // Inserts unmarked entries as a block in front of the current entry, which
  // stays current ("Insert"); with no current entry the block goes at the end.
  void insert(const std::vector<std::string>& texts);
  // Deletes every marked entry ("Remove"); the first entry becomes current.
  // Returns how many were deleted.
  int removeMarked();
  // Deletes the current entry (a double-click on the list); the entry that
  // takes its place, or else the new last one, becomes current. False when
  // there is no current entry.
  bool removeCurrent();
  // Marks every entry ("Select All").
  void markAll();
  // A list file's lines in place of the whole list, all unmarked, no current entry.
  void replace(const std::vector<std::string>& texts);

  // The clipboard walk ("Top Down", "Bottom Up"): the first marked entry
  // counted from that end, which is unmarked, so repeated calls walk through
  // the marked entries one at a time. -1 when none is marked.
  int takeNextMarked(WalkFrom from);

 private:
  struct Entry {
    std::string text;
    bool marked = false;
  };
  void clampItemIndex();

  std::vector<Entry> entries_;
  int itemIndex_ = -1;
};

}  // namespace animation
