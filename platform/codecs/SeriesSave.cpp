#include "platform/codecs/SeriesSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

#include "platform/codecs/PictureError.h"

namespace codecs {
namespace {

[[noreturn]] void failSave(const std::filesystem::path& path, int error) {
  throw PictureError(ErrorKind::Io,
                     "Cannot save \"" + path.string() + "\": " + std::strerror(error));
}

}  // namespace

std::filesystem::path temporaryPathBeside(const std::filesystem::path& path) {
  static std::atomic<unsigned> counter{0};
  return path.parent_path() / ("." + path.filename().string() + "." + std::to_string(getpid()) +
                               "." + std::to_string(counter++) + ".tmp");
}

void saveSeriesFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  const std::filesystem::path temporary = temporaryPathBeside(path);
  // A replaced file keeps its permissions; a new one gets the usual ones (umask applies).
  struct stat old {};
  const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0666;
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd < 0) failSave(path, errno);
  const auto abandon = [&](int error) {
    ::close(fd);
    ::unlink(temporary.c_str());
    failSave(path, error);
  };
  if (mode != 0666 && ::fchmod(fd, mode) != 0) abandon(errno);
  const std::uint8_t* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) abandon(n < 0 ? errno : ENOSPC);
    p += n;
    left -= std::size_t(n);
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    failSave(path, error);
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    failSave(path, error);
  }
}

}  // namespace codecs
