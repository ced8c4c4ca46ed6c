#pragma once
// The scratch JPEG file of the picture resize: "$TE$MP$.JPG" in the folder
// "Bin" under the program folder. The folder is found whatever the case of
// its name ("bin" holds the pattern bitmaps too) and created when missing.
// When the program folder cannot take the file (an installation in a
// read-only place), a per-user cache folder is used instead.
#include <filesystem>

#include "platform/gdi/Bitmap.h"

namespace document {

inline constexpr const char* kResizeTempFolder = "Bin";
inline constexpr const char* kResizeTempName = "$TE$MP$.JPG";

// The per-user stand-in for the program folder's "Bin": "Quillmoor/Bin" in
// the user's cache folder ($XDG_CACHE_HOME or ~/.cache on Linux,
// %LOCALAPPDATA%\cache on Windows).
std::filesystem::path userResizeTempFolder();

struct ResizeTempFile {
  std::filesystem::path file;
  // True when the program folder could not take it and the per-user folder did.
  bool inUserFolder = false;
};

// Writes the picture as a JPEG of quality 100 (baseline coding; it decodes
// to the same pixels as the progressive files pictures are saved as) to the
// scratch file, replacing an earlier one. Throws
// codecs::PictureError(Io) when neither folder can take it.
ResizeTempFile writeResizeTempJpeg(const gdi::Bitmap& picture,
                                   const std::filesystem::path& programFolder);

}  // namespace document
