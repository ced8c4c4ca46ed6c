#pragma once
// The naming rules of the picture as a document: which name a loaded file
// is shown under, where a quick save goes, what a save writes for each
// extension. Paths may use '/' or '\' as separators; extensions are compared
// upper-cased, as the program always has.
#include <QString>

namespace document {

// The caption of a new picture.
inline const QString kNewPictureName = QStringLiteral("TEMP.BMP");

// The part after the last separator.
QString fileNamePart(const QString& path);

// The extension with its dot, upper-cased (".JPG"); empty when the file name
// has no dot. Dots in folder names do not count.
QString upperExtension(const QString& path);

// A JPEG file by its name: ".JPG", or ".JPEG" and ".JPE", which the open
// dialog's JPEG filter offers too, in any case.
bool isJpegName(const QString& path);

// The caption a file is shown under once loaded: BMP and JPEG files (by
// isJpegName) keep their path; anything else (icons, metafiles) becomes a bitmap named after
// the file up to its first dot, plus ".bmp" ("/p/logo.ico" gives "/p/logo.bmp").
QString shownNameFor(const QString& path);

// The bare file name a quick save writes into the current folder: the file
// name part of the caption up to and including its first dot, then "bmp"
// ("TEMP.BMP" gives "TEMP.bmp", "/w/shot.jpg" gives "shot.bmp", a name
// without a dot gives "bmp").
QString quickSaveName(const QString& caption);

// What a save writes for a chosen path.
enum class SaveKind {
  Jpeg,  // a JPEG name (isJpegName): a progressive JPEG file
  Gif,   // ".GIF": refused; offered as path + ".bmp" instead
  Bmp,   // anything else: BMP data under the name as chosen
};
SaveKind saveKindFor(const QString& path);

// The name a GIF save is offered instead: a.gif becomes a.gif.bmp.
QString gifReplacementPath(const QString& path);

// What the file dialog's open does with a chosen file.
enum class OpenKind {
  Picture,  // a JPEG name, .BMP, .EMF, .ICO, .WMF: read and made the picture
  Gif,      // refused with the GIF notice
  Ignored,  // anything else: nothing happens
};
OpenKind openKindFor(const QString& path);

// The name "screenshot1" (exact) stands for the screen capture's file.
inline const QString kScreenshotAlias = QStringLiteral("screenshot1");
inline const QString kScreenshotFile = QStringLiteral("SCREENSHOT.JPG");
QString resolveScreenshotAlias(const QString& name);

}  // namespace document
