// Feeds arbitrary bytes to the RTF reader and writes back what it made. The
// writer must take any document the reader produces; its output must keep
// the text, and reading and writing it again must change nothing more.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/ui/RtfReader.h"
#include "platform/ui/RtfWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ui::RichDocument doc = ui::readRtf(bytes);
  const std::string rtf = ui::writeRtf(doc);
  const ui::RichDocument again = ui::readRtf(rtf);
  if (again.plainText() != doc.plainText()) std::abort();
  if (ui::writeRtf(again) != rtf) std::abort();
  return 0;
}
