#pragma once
// List files (*.lst): plain text, one entry a line in list order, no header.
// Every line is written with CR LF (the last one too); reading takes CR, LF
// or CR LF as a line end, so lists written on any system load. Marks are not
// stored. Any plain text file of file names loads as a list.
//
// Lines are kept as bytes, exactly as the file system names the files.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace animation {

// A list file that cannot be read or written; the message names the file.
class ListFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The lines of a list file's text: every line, empty ones included, is one
// entry; a line end at the very end adds no empty entry.
std::vector<std::string> parseListText(std::string_view text);

// The text of a list file: every entry followed by CR LF. Throws
// ListFileError for an entry holding a line end, which would come back as
// two entries.
std::string listFileText(const std::vector<std::string>& entries);

// Reads a list file. Throws ListFileError when it cannot be read.
std::vector<std::string> readListFile(const std::filesystem::path& path);

// Writes a list file through the safe save: a failure (read-only folder,
// full disk) leaves an existing file as it was and throws ListFileError.
void writeListFile(const std::filesystem::path& path, const std::vector<std::string>& entries);

}  // namespace animation
