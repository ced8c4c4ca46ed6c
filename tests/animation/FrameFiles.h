#pragma once
// Frame files for the animation tests: a scratch folder, detailed frames
// written as bitmaps, and what ImageMagick's identify says of a file.
#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/codecs/Bmp.h"
#include "support/ExternalTool.h"
#include "support/PixelGrid.h"

namespace animation_test {

namespace fs = std::filesystem;

class FrameFolder : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  fs::path folder() const { return fs::path(dir_.path().toStdString()); }
  std::string path(const std::string& name) const { return (folder() / name).string(); }

  // A frame of random colours, so that any pixel lost or moved shows.
  std::string writeFrame(const std::string& name, int width, int height, std::uint32_t seed = 7) {
    const std::string file = path(name);
    codecs::writeBmpFile(file, testing_support::noiseBitmap(width, height, seed));
    return file;
  }

 public:
  static std::vector<char> bytesOf(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void writeText(const std::string& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
  }

 protected:
  // Files of the folder that are not in `expected` (temporary files left behind).
  std::vector<std::string> strayFiles(const std::vector<std::string>& expected) const {
    std::vector<std::string> stray;
    for (const auto& e : fs::directory_iterator(folder()))
      if (std::find(expected.begin(), expected.end(), e.path().string()) == expected.end())
        stray.push_back(e.path().string());
    return stray;
  }

 private:
  QTemporaryDir dir_;
};

// "<width> <height> <class> <colour space>" as ImageMagick's identify reads the file, empty when it
// cannot.
inline std::string identify(const std::string& file) {
  const testing_support::ToolRun run = testing_support::runTool(
      QStringLiteral("identify"),
      {QStringLiteral("-format"), QStringLiteral("%w %h %r"), QString::fromStdString(file)});
  return run.ok() ? run.output.trimmed().toStdString() : std::string();
}

}  // namespace animation_test
