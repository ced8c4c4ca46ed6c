#include "document/engine/ResizeTempFile.h"

#include <QStandardPaths>
#include <QString>
#include <cctype>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/codecs/Jpeg.h"
#include "platform/codecs/PictureError.h"

namespace document {
namespace {

namespace fs = std::filesystem;

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// The program folder's "Bin", by any case of the name (the exact spelling
// first); the path to create when there is none.
fs::path programBinFolder(const fs::path& programFolder) {
  const fs::path exact = programFolder / kResizeTempFolder;
  std::error_code ec;
  if (fs::is_directory(exact, ec)) return exact;
  for (fs::directory_iterator it(programFolder, ec), end; !ec && it != end; it.increment(ec)) {
    if (sameNameIgnoringCase(it->path().filename().string(), kResizeTempFolder) &&
        it->is_directory(ec))
      return it->path();
  }
  return exact;
}

[[noreturn]] void failWrite(const fs::path& file, const std::string& why) {
  throw codecs::PictureError(codecs::ErrorKind::Io,
                             "Cannot write the temporary file " + file.string() + ": " + why);
}

// The file is scratch space read back at once, so it is written in place:
// the safe save's flush to disk would only cost time here.
void writeFile(const fs::path& folder, const std::vector<std::uint8_t>& bytes, bool createParents) {
  std::error_code ec;
  if (createParents)
    fs::create_directories(folder, ec);
  else
    fs::create_directory(folder, ec);
  const fs::path file = folder / kResizeTempName;
  if (ec) failWrite(file, ec.message());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) failWrite(file, "the file cannot be created");
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  out.close();
  if (!out) failWrite(file, "the disk may be full");
}

}  // namespace

fs::path userResizeTempFolder() {
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  std::error_code ec;
  const fs::path base =
      cache.isEmpty() ? fs::temp_directory_path(ec) : fs::path(cache.toStdU16String());
  return base / "Quillmoor" / kResizeTempFolder;
}

ResizeTempFile writeResizeTempJpeg(const gdi::Bitmap& picture, const fs::path& programFolder) {
  codecs::JpegEncodeOptions options;
  options.quality = 100;
  // Pictures are saved progressive, but progressive coding only reorders the
  // same quantized coefficients: the scratch file reads back to the very same
  // pixels as a baseline file, which codes and decodes about five times faster.
  options.progressive = false;
  const std::vector<std::uint8_t> bytes = codecs::encodeJpeg(picture, options);

  // Without a program folder "Bin" would land in the working folder.
  if (!programFolder.empty()) {
    const fs::path programBin = programBinFolder(programFolder);
    try {
      writeFile(programBin, bytes, false);
      return {programBin / kResizeTempName, false};
    } catch (const codecs::PictureError&) {
      // Not writable where the program lives: fall through to the user's folder.
    }
  }
  const fs::path userBin = userResizeTempFolder();
  writeFile(userBin, bytes, true);
  return {userBin / kResizeTempName, true};
}

}  // namespace document
