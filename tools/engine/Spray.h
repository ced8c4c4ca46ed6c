#pragma once
// The spray can: each burst scatters 400 pixels over a square round the mouse.
#include <functional>
#include <vector>

#include "platform/gdi/Canvas.h"

namespace tools {

// A random integer in [0, bound) for bound >= 1. The window seeds one from
// the clock for every burst; tests pass a fixed sequence.
using RandomInt = std::function<int(int bound)>;

// The 400 points of a burst in the order they are sprayed: 100 rounds of an
// offset (dx, dy), each in [0, lineWidth), put in the four quadrants round
// (x, y). `lastOffset` receives the final round's offset.
std::vector<gdi::Point> sprayPoints(int x, int y, int lineWidth, const RandomInt& random,
                                    gdi::Point* lastOffset = nullptr);

// One burst at (x, y) in the foreground colour. Every sprayed pixel is written
// once per burst, so a "Mixing " burst (not-xor: the colour mixed into what is
// under it) changes each pixel it lands on, however often it lands there; a
// plain burst just sets them. A mixing burst leaves the pen in not-xor mode.
// Returns the square the burst can touch.
gdi::Rect do_spray(gdi::Canvas& c, int x, int y, int lineWidth, gdi::TColor foreColor, bool mixing,
                   const RandomInt& random);

// The square a burst of this width can touch.
gdi::Rect sprayArea(int x, int y, int lineWidth);

}  // namespace tools
