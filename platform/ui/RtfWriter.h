#pragma once
// Writes a RichDocument as RTF that word processors read: a font table and a
// colour table, one \par-ended paragraph per paragraph, each run in its own
// group, characters outside ASCII as \'hh (Windows Western code page) or
// \uN with a '?' fallback.
#include <string>

#include "platform/ui/RichDocument.h"

namespace ui {

std::string writeRtf(const RichDocument& doc);

}  // namespace ui
