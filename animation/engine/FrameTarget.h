#pragma once
// Where a series of numbered frames goes: a folder and a file-name prefix,
// as the folder dialog hands them to the tools that write frames (the
// Animation Wizard, the camera, the AVI dump, the image divider), and the
// folders the automatic movie works in.
#include <filesystem>
#include <stdexcept>
#include <string>

namespace animation {

// The prefix a file picked in the folder dialog offers: its name without
// the folder, cut before the first "." ("/f/frame007.bmp" gives "frame007").
std::string prefixOfPickedFile(const std::string& path);

// The prefix box's text as the tools take it: "temp" when it is empty
// (written back into the box). The box starts out as "*.bmp", the file
// list's mask rather than a name: a box whose name part holds nothing but
// wildcards counts as empty too, so frames are not named "*001.bmp".
std::string prefixBoxText(const std::string& text);

// The prefix the tools use: prefixBoxText cut before its first ".".
std::string framePrefix(const std::string& text);

// Folder plus prefix, with one separator between them unless the folder
// ends with one or the prefix begins with one. An empty folder adds none.
std::string joinFolderAndPrefix(const std::string& folder, const std::string& prefix);

// The automatic movie's folders: "Automatic Animation Example Folder" in the
// program's folder, with "Series One" and "Series Two" in it.
inline constexpr const char* kExampleFolderName = "Automatic Animation Example Folder";
inline constexpr const char* kSeriesOneName = "Series One";
inline constexpr const char* kSeriesTwoName = "Series Two";

struct ExampleFolders {
  std::filesystem::path seriesOne;
  std::filesystem::path seriesTwo;
};

// A folder that cannot be made; the message names it.
class FolderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Makes the example folder and both series folders (folders that exist
// already are fine). Throws FolderError when one cannot be made.
ExampleFolders makeExampleFolders(const std::filesystem::path& programFolder);

}  // namespace animation
