#pragma once
// Reading back the JPEG files the studio writes, strictly: libjpeg itself with
// every warning counted as a failure, and djpeg (libjpeg-turbo's own decoder
// program) as a tool that shares no code with ours. Also a detailed,
// photograph-like picture: flat or small pictures fit in the encoder's first
// output buffer and hide faults that only show in larger files.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/gdi/Bitmap.h"

namespace testing_support {

// Soft colour ramps, discs with hard edges, fine stripes and per-pixel noise
// of up to `noise` levels (0 for none). The same arguments give the same pixels.
gdi::Bitmap photoLikePicture(int width, int height, int noise = 64, std::uint32_t seed = 1);

// Succeeds when libjpeg decodes `bytes` with no error and no warning; the
// picture is handed out through `picture` when given.
::testing::AssertionResult decodesCleanly(std::span<const std::uint8_t> bytes,
                                          gdi::Bitmap* picture = nullptr);
::testing::AssertionResult fileDecodesCleanly(const std::filesystem::path& file,
                                              gdi::Bitmap* picture = nullptr);

// Succeeds when djpeg decodes the file with exit status 0, says nothing on
// its error output and gives a picture of the expected size.
::testing::AssertionResult djpegReads(const std::filesystem::path& file, gdi::Size expected);

}  // namespace testing_support
