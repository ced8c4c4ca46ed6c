#pragma once
// Saving the files of a long series (numbered frames). As with
// saveFileSafely the bytes go to a temporary file in the target's folder
// that is renamed over the target, so a series that is stopped or fails
// never leaves a half-written file and a failed save keeps the old file.
// Unlike it, a file is not flushed to disk on its own: a flush per frame
// costs several times the work of the frame, and the system writes the
// series out soon after anyway.
#include <cstdint>
#include <filesystem>
#include <span>

namespace codecs {

// Throws PictureError(Io), naming the file, when the folder is missing or
// not writable, the disk is full, or the rename fails.
void saveSeriesFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// A name for a temporary file beside `path` (hidden, unique in this process
// and among processes), for writers that rename their result into place.
std::filesystem::path temporaryPathBeside(const std::filesystem::path& path);

}  // namespace codecs
