#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "CodecTestSupport.h"
#include "platform/codecs/Jpeg.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/SafeSave.h"
#include "support/FileSizeLimit.h"
#include "support/ReadOnlyMount.h"

using namespace codecs;
using codec_test::fileBytes;
using codec_test::TempDir;
using codec_test::writeBytes;

using testing_support::FileSizeLimit;

namespace {

const std::vector<std::uint8_t> kOld{'o', 'l', 'd', ' ', 'f', 'i', 'l', 'e'};

// Expects a PictureError(Io) whose message names the file.
void expectIoErrorNaming(const std::function<void()>& f, const std::string& name) {
  try {
    f();
    ADD_FAILURE() << "the save did not fail";
  } catch (const PictureError& e) {
    EXPECT_EQ(e.kind(), ErrorKind::Io);
    EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
  }
}

}  // namespace

TEST(SafeSave, CreatesAndReplacesFilesWithoutLeavingTemporaries) {
  TempDir dir;
  const auto target = dir / "pic.bmp";
  saveFileSafely(target, kOld);
  EXPECT_EQ(fileBytes(target), kOld);
  const std::vector<std::uint8_t> fresh(100000, 7);
  saveFileSafely(target, fresh);
  EXPECT_EQ(fileBytes(target), fresh);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"pic.bmp"});
}

TEST(SafeSave, KeepsThePermissionsOfTheFileItReplaces) {
  TempDir dir;
  const auto target = dir / "pic.bmp";
  writeBytes(target, kOld);
  chmod(target.c_str(), 0640);
  saveFileSafely(target, std::vector<std::uint8_t>{1, 2, 3});
  struct stat st {};
  stat(target.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(SafeSave, AMissingFolderIsAnIoErrorNamingTheFile) {
  TempDir dir;
  const auto target = dir / "no such folder" / "pic.bmp";
  expectIoErrorNaming([&] { saveFileSafely(target, kOld); }, "pic.bmp");
  EXPECT_TRUE(dir.entries().empty());
}

TEST(SafeSave, ATargetThatIsAFolderStaysAFolder) {
  TempDir dir;
  const auto target = dir / "pictures.bmp";
  std::filesystem::create_directory(target);
  writeBytes(target / "inside", kOld);
  expectIoErrorNaming([&] { saveFileSafely(target, kOld); }, "pictures.bmp");
  EXPECT_TRUE(std::filesystem::is_directory(target));
  EXPECT_EQ(fileBytes(target / "inside"), kOld);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"pictures.bmp"});
}

TEST(SafeSave, AFullDiskLeavesTheOldFileExactlyAsItWas) {
  TempDir dir;
  const auto target = dir / "pic.bmp";
  writeBytes(target, kOld);
  {
    FileSizeLimit nearlyFull(4096);
    expectIoErrorNaming([&] { saveFileSafely(target, std::vector<std::uint8_t>(1 << 20, 9)); },
                        "pic.bmp");
  }
  EXPECT_EQ(fileBytes(target), kOld);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"pic.bmp"});
}

TEST(SafeSave, AWriterThatFailsHalfWayAbandonsTheSave) {
  TempDir dir;
  const auto target = dir / "pic.jpg";
  writeBytes(target, kOld);
  EXPECT_THROW(saveFileSafely(target,
                              [](const ByteSink& sink) {
                                sink(std::vector<std::uint8_t>(5000, 1));
                                throw std::runtime_error("encoder gave up");
                              }),
               std::runtime_error);
  EXPECT_EQ(fileBytes(target), kOld);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"pic.jpg"});
}

TEST(SafeSave, JpegFilesGoThroughTheSafeSave) {
  TempDir dir;
  const auto target = dir / "pic.jpg";
  writeBytes(target, kOld);
  {
    FileSizeLimit nearlyFull(100);
    expectIoErrorNaming([&] { writeJpegFile(target, codec_test::smoothPicture(64, 64)); },
                        "pic.jpg");
  }
  EXPECT_EQ(fileBytes(target), kOld);
  writeJpegFile(target, codec_test::smoothPicture(64, 64));
  EXPECT_EQ(readJpegFile(target).bitmap.width(), 64);
}

TEST(SafeSave, AReadOnlyFileSystemIsNamedAsTheCause) {
  // Qt calls an existing file it cannot replace "not writable"; the cause
  // the user needs to hear is the write-protected medium.
  testing_support::ReadOnlyMount medium("old.bmp", "old file");
  if (!medium.available()) GTEST_SKIP() << "mounting is not allowed here";
  for (const char* name : {"old.bmp", "new.bmp"}) {
    const std::filesystem::path file = medium.path(name).toStdString();
    try {
      saveFileSafely(file, kOld);
      ADD_FAILURE() << name << ": the save did not fail";
    } catch (const PictureError& e) {
      const std::string what = e.what();
      EXPECT_NE(what.find(file.string()), std::string::npos) << what;
      EXPECT_NE(what.find("Read-only file system"), std::string::npos) << what;
      EXPECT_EQ(what.find("not writable"), std::string::npos) << what;
    }
  }
}
