#pragma once
// Contact sheets of the pictures of a folder: four 100 x 100 thumbnails to a
// row, each with its file name under it, at most ten rows to a sheet.
//
//   ThumbnailLayout layout = thumbnailLayout(files.size());
//   gdi::Bitmap sheet = newThumbnailSheet(layout);
//   for (int i = 0; i < layout.cellsPerSheet(); ++i)
//     drawThumbnail(sheet, i, readThumbnail(files[i], options), fileName);
#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/codecs/Jpeg.h"
#include "platform/gdi/Bitmap.h"

namespace document {

inline constexpr int kThumbColumns = 4;
inline constexpr int kThumbSize = 100;       // each thumbnail is stretched into this square
inline constexpr int kThumbRowHeight = 150;  // thumbnail, name and gap
inline constexpr int kThumbSheetWidth = 500;
inline constexpr int kThumbMaxRows = 10;     // a sheet holds at most this many rows
inline constexpr int kThumbNameTop = 120;    // the name's top below the cell's top
inline constexpr int kThumbNameWidth = 120;  // the name is centred in this width

struct ThumbnailLayout {
  int files = 0;
  int rows = 0;  // rows of all files together
  int rowsPerSheet = 0;
  int sheets = 0;

  int cellsPerSheet() const { return rowsPerSheet * kThumbColumns; }
  gdi::Size sheetSize() const { return {kThumbSheetWidth, kThumbRowHeight * rowsPerSheet}; }
};

// Rows are the files divided by four, rounded up; up to ten rows make one
// sheet, more rows fill sheets of ten. No files give no sheet.
ThumbnailLayout thumbnailLayout(int fileCount);

// The left-top corner of the n-th cell of a sheet (row by row, four to a row).
gdi::Point thumbnailCell(int indexOnSheet);

// The reduced decoding scale for a JPEG thumbnail: a picture 201 pixels or
// more on a side is read at an eighth when it is over 500 pixels (in whole
// hundreds) on a side, a quarter over 400, else a half. None: full size.
std::optional<codecs::JpegScale> thumbnailScale(int width, int height);

// A white sheet of the layout's size whose canvas writes names in Arial 10.
gdi::Bitmap newThumbnailSheet(const ThumbnailLayout& layout);

// Stretches the whole picture into the cell's square (aspect ratio not kept;
// colour-on-colour when the picture is wider than 99 pixels, else
// black-on-white) and writes the name centred under it.
void drawThumbnail(gdi::Bitmap& sheet, int indexOnSheet, const gdi::Bitmap& picture,
                   std::string_view utf8Name);

// Reads a file for its thumbnail with the browser's decoding choices; a
// ".JPG" file large enough is decoded at the reduced scale straight away,
// which the decoder's DCT scaling makes several times cheaper. Answers an
// empty bitmap for a file that is not a picture we read; throws
// codecs::PictureError(Io) when the file cannot be read.
gdi::Bitmap readThumbnail(const std::filesystem::path& file,
                          const codecs::JpegDecodeOptions& options = {});

}  // namespace document
