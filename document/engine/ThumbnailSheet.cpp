#include "document/engine/ThumbnailSheet.h"

#include <cmath>

#include "document/engine/PictureFiles.h"
#include "platform/codecs/FileBytes.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/PictureFile.h"
#include "platform/gdi/Canvas.h"

namespace document {
namespace {

// round(x) with halves to even, then one more when that fell short: the
// ceiling of n / d for the sheet arithmetic, kept in the program's own form.
int roundedUpQuotient(int n, int d) {
  int q = int(std::nearbyint(double(n) / d));
  if (q * d < n) ++q;
  return q;
}

// Thumbnails are chosen by the side length in whole hundreds, a side under
// 201 pixels counting as one.
int hundreds(int side) { return side < 201 ? 1 : side / 100; }

}  // namespace

ThumbnailLayout thumbnailLayout(int fileCount) {
  ThumbnailLayout l;
  if (fileCount <= 0) return l;
  l.files = fileCount;
  l.rows = roundedUpQuotient(fileCount, kThumbColumns);
  if (l.rows <= kThumbMaxRows) {
    l.rowsPerSheet = l.rows;
    l.sheets = 1;
  } else {
    l.rowsPerSheet = kThumbMaxRows;
    l.sheets = roundedUpQuotient(l.rows, kThumbMaxRows);
  }
  return l;
}

gdi::Point thumbnailCell(int indexOnSheet) {
  constexpr int kLeft[kThumbColumns] = {10, 130, 250, 370};
  return {kLeft[indexOnSheet % kThumbColumns],
          10 + (indexOnSheet / kThumbColumns) * kThumbRowHeight};
}

std::optional<codecs::JpegScale> thumbnailScale(int width, int height) {
  if (width < 201 && height < 201) return std::nullopt;
  const int w = hundreds(width), h = hundreds(height);
  if (w == 1 && h == 1) return std::nullopt;
  if (w > 4 || h > 4) return codecs::JpegScale::Eighth;
  if (w > 3 || h > 3) return codecs::JpegScale::Quarter;
  return codecs::JpegScale::Half;
}

gdi::Bitmap newThumbnailSheet(const ThumbnailLayout& layout) {
  const gdi::Size size = layout.sheetSize();
  gdi::Bitmap sheet(size.cx, size.cy);
  sheet.canvas().font.name = "Arial";
  sheet.canvas().font.setSize(10);
  return sheet;
}

void drawThumbnail(gdi::Bitmap& sheet, int indexOnSheet, const gdi::Bitmap& picture,
                   std::string_view utf8Name) {
  const gdi::Point cell = thumbnailCell(indexOnSheet);
  gdi::Canvas& canvas = sheet.canvas();
  if (!picture.empty()) {
    canvas.stretchMode =
        picture.width() > 99 ? gdi::StretchMode::ColorOnColor : gdi::StretchMode::BlackOnWhite;
    // A copy drawn opaque: a picture that happens to be marked transparent
    // still fills its whole square.
    if (picture.transparent()) {
      gdi::Bitmap opaque = picture;
      opaque.setTransparent(false);
      canvas.stretchDraw(gdi::Rect::fromSize(cell.x, cell.y, kThumbSize, kThumbSize), opaque);
    } else {
      canvas.stretchDraw(gdi::Rect::fromSize(cell.x, cell.y, kThumbSize, kThumbSize), picture);
    }
  }
  const int textWidth = canvas.textWidth(utf8Name);
  const int left = cell.x + int(std::nearbyint((kThumbNameWidth - textWidth) / 2.0));
  canvas.textOut(left, cell.y + kThumbNameTop, utf8Name);
}

gdi::Bitmap readThumbnail(const std::filesystem::path& file,
                          const codecs::JpegDecodeOptions& options) {
  codecs::JpegDecodeOptions choices = options;
  choices.scale = codecs::JpegScale::FullSize;
  choices.progressiveDisplay = choices.incrementalDisplay = false;
  if (upperExtension(QString::fromStdString(file.string())) != QLatin1String(".JPG"))
    return readPictureFile(file, choices).bitmap;

  std::vector<std::uint8_t> bytes;
  try {
    bytes = codecs::readFileBytes(file);
  } catch (const codecs::PictureError& e) {
    if (!e.invalidPicture()) throw;
    return {};  // too large to be a picture we read
  }
  try {
    const codecs::JpegInfo info = codecs::readJpegInfo(bytes);
    if (const auto scale = thumbnailScale(info.width, info.height)) choices.scale = *scale;
  } catch (const codecs::PictureError&) {
    // Not JPEG data after all: read by content at full size.
  }
  return decodePictureBytes(bytes, codecs::PictureFormat::Jpeg, choices).bitmap;
}

}  // namespace document
