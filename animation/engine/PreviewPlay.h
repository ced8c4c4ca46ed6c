#pragma once
// The order of the Animation Manager's preview: the entries of the frame
// list in turn, looping, one slot each; a marked entry's frame is shown in
// its slot, an unmarked entry's slot leaves the previous frame on show.
//
// The window drives it with a timer (one slot per previewFrameInterval) and
// ends it through the stop flag: Stop, Close, deactivating or closing the
// window call stop(); a list emptied during play ends play at the next slot.
#include <optional>
#include <string>

#include "animation/engine/FrameList.h"

namespace animation {

class PreviewPlay {
 public:
  // Starts from the first entry. Nothing happens (false) when the list is
  // empty or has no current entry.
  bool start(const FrameList& list);
  // Sets the stop flag.
  void stop() { playing_ = false; }
  bool playing() const { return playing_; }

  struct Slot {
    int entry = -1;     // the entry whose turn it is
    bool show = false;  // its frame is to be shown (the entry is marked)
  };
  // The next slot, moving on by one entry (wrapping to the first past the
  // last, also when entries were removed behind the play position). None
  // once stopped; an empty list stops play.
  std::optional<Slot> next(const FrameList& list);

  // The next frame play will show (from the next slot on, the first marked
  // entry), to be decoded ahead; none when nothing is marked.
  std::optional<std::string> upcomingFrame(const FrameList& list) const;

 private:
  int position(const FrameList& list) const { return index_ < list.size() ? index_ : 0; }

  bool playing_ = false;
  int index_ = 0;
};

}  // namespace animation
