#pragma once
// Windows metafiles (.wmf, with or without the placeable header, and .emf).
// A metafile is a recording of drawing calls, so reading one means playing
// it onto a new white bitmap of the picture's size through gdi::Canvas.
// Records we do not play are skipped; a record whose length does not fit the
// file ends playback with what was drawn so far.
#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/gdi/Bitmap.h"

namespace codecs {

enum class MetafileKind { None, Wmf, PlaceableWmf, Emf };

// What the first bytes say.
MetafileKind metafileKind(std::span<const std::uint8_t> bytes);

// The picture's size in pixels at 96 dots per inch: from the placeable
// header's box, the EMF header's frame, or (plain WMF) the window extent.
// Throws PictureError(InvalidPicture) when the bytes are no metafile or state
// no usable size.
gdi::Size metafileSize(std::span<const std::uint8_t> bytes);

// Plays the metafile onto a white bitmap of metafileSize(). Throws
// PictureError: InvalidPicture for a damaged header, TooLarge past the limit.
gdi::Bitmap readMetafile(std::span<const std::uint8_t> bytes);
gdi::Bitmap readMetafileFile(const std::filesystem::path& path);

}  // namespace codecs
