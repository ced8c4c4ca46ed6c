#include <gtest/gtest.h>

#include "animation/engine/FrameList.h"

using animation::FrameList;
using animation::WalkFrom;
using Lines = std::vector<std::string>;

namespace {

// The list as "text*" (marked) or "text" lines, with the current entry in brackets.
Lines shown(const FrameList& list) {
  Lines out;
  for (int i = 0; i < list.size(); ++i) {
    std::string line = list.entry(i) + (list.marked(i) ? "*" : "");
    out.push_back(i == list.itemIndex() ? "[" + line + "]" : line);
  }
  return out;
}

}  // namespace

TEST(FrameList, MarkedAppendsMarkOnlyWhatTheyAdd) {
  FrameList list;
  list.append({"a", "b"});
  list.appendMarked({"c", "d"});
  EXPECT_EQ(shown(list), (Lines{"a", "b", "c*", "d*"}));
  // An empty selection of the file list adds nothing and marks nothing new.
  list.setMarked(3, false);
  list.appendMarked({});
  EXPECT_EQ(shown(list), (Lines{"a", "b", "c*", "d"}));
  EXPECT_EQ(list.markedCount(), 1);
  // Duplicates are allowed.
  list.append({"a"});
  EXPECT_EQ(list.size(), 5);
}

TEST(FrameList, InsertGoesInFrontOfTheCurrentEntryOrAtTheEnd) {
  FrameList list;
  list.append({"a", "b", "c"});
  list.setMarked(1, true);
  list.insert({"x", "y"});  // no current entry: at the end
  EXPECT_EQ(shown(list), (Lines{"a", "b*", "c", "x", "y"}));
  list.setItemIndex(1);
  list.insert({"p", "q"});
  // The marks stay with their entries and "b" stays current.
  EXPECT_EQ(shown(list), (Lines{"a", "p", "q", "[b*]", "c", "x", "y"}));
  list.setItemIndex(0);
  list.insert({"first"});
  EXPECT_EQ(list.entry(0), "first");
  EXPECT_EQ(list.itemIndex(), 1);
}

TEST(FrameList, RemovingDeletesTheMarkedEntriesAndReportsAnEmptyList) {
  FrameList list;
  list.append({"a", "b", "c", "d"});
  list.setMarked(0, true);
  list.setMarked(2, true);
  list.setMarked(3, true);
  list.setItemIndex(3);
  EXPECT_EQ(list.removeMarked(), 3);
  EXPECT_EQ(shown(list), (Lines{"[b]"}));
  list.markAll();
  EXPECT_EQ(list.removeMarked(), 1);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.itemIndex(), -1);
  EXPECT_EQ(list.removeMarked(), 0);
}

TEST(FrameList, DoubleClickDeletesTheCurrentEntryOnly) {
  FrameList list;
  list.append({"a", "b", "c"});
  EXPECT_FALSE(list.removeCurrent());  // no current entry: nothing goes
  EXPECT_EQ(list.size(), 3);
  list.setItemIndex(2);
  EXPECT_TRUE(list.removeCurrent());
  EXPECT_EQ(shown(list), (Lines{"a", "[b]"}));
  list.setItemIndex(0);
  EXPECT_TRUE(list.removeCurrent());
  EXPECT_EQ(shown(list), (Lines{"[b]"}));
  EXPECT_TRUE(list.removeCurrent());
  EXPECT_TRUE(list.empty());
  EXPECT_FALSE(list.removeCurrent());
  list.setItemIndex(5);  // outside the list: no current entry
  EXPECT_EQ(list.itemIndex(), -1);
}

// "Top Down" and "Bottom Up" take one marked entry per press and unmark it.
TEST(FrameList, ClipboardWalksVisitEachMarkedEntryOnce) {
  FrameList list;
  list.append({"a", "b", "c", "d", "e"});
  for (int i : {1, 2, 4}) list.setMarked(i, true);
  EXPECT_EQ(list.takeNextMarked(WalkFrom::Top), 1);
  EXPECT_EQ(list.takeNextMarked(WalkFrom::Bottom), 4);
  EXPECT_EQ(list.takeNextMarked(WalkFrom::Top), 2);
  EXPECT_EQ(list.takeNextMarked(WalkFrom::Top), -1);
  EXPECT_EQ(list.takeNextMarked(WalkFrom::Bottom), -1);
  EXPECT_EQ(list.markedCount(), 0);
  EXPECT_EQ(list.size(), 5);
  list.markAll();
  EXPECT_EQ(list.takeNextMarked(WalkFrom::Bottom), 4);
  EXPECT_EQ(list.takeNextMarked(WalkFrom::Bottom), 3);
}
