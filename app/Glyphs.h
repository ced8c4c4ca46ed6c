#pragma once
// Button glyphs: SVG files in the program folder's glyphs/ folder, drawn on a
// 24 x 24 grid (glyphs/INDEX.md says which control uses which file).
#include <QIcon>
#include <QString>

namespace app {

// The icon of glyphs/<name>.svg, or a null icon when the file is missing (the
// button then shows its text).
QIcon glyphIcon(const QString& name);

}  // namespace app
