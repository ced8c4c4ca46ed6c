#pragma once
// Shape stamps: stars, hearts and arrows put down between the two points of a
// drag. A trail of small stamps follows the drag (tool 151, stars); a single
// stamp spans it (tool 159, an arrow from the press to the release point).
#include <vector>

#include "platform/gdi/Canvas.h"

namespace tools {

enum class StampKind { Arrow = 0, Star = 1, Heart = 2 };

// The outline of one stamp as polygon points. Star and heart stand upright,
// centred on `centre`, `radius` from the centre to their outermost points. An
// arrow runs from `from` (its tail) to `to` (its tip); shorter than 4 pixels
// it has no points.
std::vector<gdi::Point> starPoints(gdi::Point centre, int radius);
std::vector<gdi::Point> heartPoints(gdi::Point centre, int radius);
std::vector<gdi::Point> arrowPoints(gdi::Point from, gdi::Point to);

// A trail of stamps of radius `size` every 2 * size pixels from `from`
// towards `to` (at least one, at `from`), solid in the pen's colour. An arrow
// trail is a row of arrows pointing along the drag. The pen and brush are
// left as they were.
void stampTrail(gdi::Canvas& c, gdi::Point from, gdi::Point to, StampKind kind, int size);

// `count` stamps spanning the drag: the way from `from` to `to` is cut into
// `count` equal pieces and each holds one stamp (an arrow along the piece, a
// star or heart as wide as the piece), filled with `fill` and outlined in
// `outline` with a pen `penWidth` wide. The pen and brush are left as they were.
void stampShapes(gdi::Canvas& c, gdi::Point from, gdi::Point to, StampKind kind, int count,
                 int penWidth, gdi::TColor fill, gdi::TColor outline);

}  // namespace tools
