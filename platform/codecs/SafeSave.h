#pragma once
// Saving that never destroys the previous file: the bytes go to a new file
// with a unique name in the target's folder, which is flushed to disk and then
// renamed over the target. If anything fails on the way the temporary file is
// removed and the old file stays exactly as it was.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

namespace codecs {

// Receives the file's bytes piece by piece; throws PictureError(Io) when they
// cannot be written (full disk and the like).
using ByteSink = std::function<void(std::span<const std::uint8_t> bytes)>;

// Saves the bytes as `path`. Throws PictureError(Io), naming the file, when
// the folder is missing or not writable, the disk is full, or the rename fails.
void saveFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Saves what `produce` writes to the sink. An exception thrown by `produce`
// abandons the save (the old file stays) and is passed on unchanged.
void saveFileSafely(const std::filesystem::path& path,
                    const std::function<void(const ByteSink& sink)>& produce);

}  // namespace codecs
