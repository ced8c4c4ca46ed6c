#include "platform/video/MediaInput.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <utility>

namespace video::ff {

struct MediaInput::MemorySource {
  std::span<const std::uint8_t> bytes;
  std::int64_t pos = 0;

  static int read(void* opaque, std::uint8_t* buf, int size) {
    auto* m = static_cast<MemorySource*>(opaque);
    const std::int64_t left = std::int64_t(m->bytes.size()) - m->pos;
    if (left <= 0) return AVERROR_EOF;
    const int n = int(std::min<std::int64_t>(left, size));
    std::memcpy(buf, m->bytes.data() + m->pos, std::size_t(n));
    m->pos += n;
    return n;
  }

  static std::int64_t seek(void* opaque, std::int64_t offset, int whence) {
    auto* m = static_cast<MemorySource*>(opaque);
    const auto size = std::int64_t(m->bytes.size());
    if (whence & AVSEEK_SIZE) return size;
    std::int64_t target = offset;
    switch (whence & ~AVSEEK_FORCE) {
      case SEEK_SET: break;
      case SEEK_CUR: target += m->pos; break;
      case SEEK_END: target += size; break;
      default: return AVERROR(EINVAL);
    }
    if (target < 0 || target > size) return AVERROR(EINVAL);
    m->pos = target;
    return target;
  }
};

namespace {

// What a damaged header may make the prober read or create.
void limitProbe(AVFormatContext* ctx) {
  ctx->probesize = 5'000'000;
  ctx->max_analyze_duration = 5 * AV_TIME_BASE;
  ctx->max_streams = 64;
}

}  // namespace

MediaInput::MediaInput(const std::filesystem::path& path) : name_(path.string()) {
  silenceLog();
  // FFmpeg says "invalid data" for a folder or an unreadable file; tell those apart first.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec))
    throw VideoError(VideoErrorKind::Io, "Cannot open \"" + name_ + "\": no such file");
  format_ = avformat_alloc_context();
  if (!format_) throw std::bad_alloc();
  limitProbe(format_);
  const int r = avformat_open_input(&format_, name_.c_str(), nullptr, nullptr);
  if (r < 0) {
    format_ = nullptr;  // freed by avformat_open_input
    if (r == AVERROR_INVALIDDATA || r == AVERROR_EOF)
      throw VideoError(VideoErrorKind::NotMedia,
                       "\"" + name_ + "\" is not a video file this program can read");
    throw VideoError(VideoErrorKind::Io, "Cannot open \"" + name_ + "\": " + errorText(r));
  }
  probe();
}

MediaInput::MediaInput(std::span<const std::uint8_t> bytes, const std::string& name)
    : memory_(std::make_unique<MemorySource>()), name_(name) {
  silenceLog();
  memory_->bytes = bytes;
  constexpr int kBufferSize = 32768;
  auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
  if (!buffer) throw std::bad_alloc();
  io_ = avio_alloc_context(buffer, kBufferSize, 0, memory_.get(), &MemorySource::read, nullptr,
                           &MemorySource::seek);
  if (!io_) {
    av_free(buffer);
    throw std::bad_alloc();
  }
  format_ = avformat_alloc_context();
  if (!format_) {
    release();
    throw std::bad_alloc();
  }
  limitProbe(format_);
  format_->pb = io_;
  format_->flags |= AVFMT_FLAG_CUSTOM_IO;
  if (avformat_open_input(&format_, nullptr, nullptr, nullptr) < 0) {
    format_ = nullptr;
    release();
    throw VideoError(VideoErrorKind::NotMedia,
                     "\"" + name_ + "\" is not a video file this program can read");
  }
  try {
    probe();
  } catch (...) {
    release();
    throw;
  }
}

void MediaInput::probe() {
  // Without stream info some containers leave the codec parameters empty; a
  // failure here still leaves what the header said, so it is not fatal.
  (void)avformat_find_stream_info(format_, nullptr);
}

MediaInput::MediaInput(MediaInput&& other) noexcept
    : format_(std::exchange(other.format_, nullptr)),
      io_(std::exchange(other.io_, nullptr)),
      memory_(std::move(other.memory_)),
      name_(std::move(other.name_)) {}

MediaInput& MediaInput::operator=(MediaInput&& other) noexcept {
  if (this != &other) {
    release();
    format_ = std::exchange(other.format_, nullptr);
    io_ = std::exchange(other.io_, nullptr);
    memory_ = std::move(other.memory_);
    name_ = std::move(other.name_);
  }
  return *this;
}

MediaInput::~MediaInput() { release(); }

void MediaInput::release() {
  if (format_) avformat_close_input(&format_);
  if (io_) {
    av_freep(&io_->buffer);
    avio_context_free(&io_);
  }
}

int MediaInput::bestStream(AVMediaType type) const {
  const int i = av_find_best_stream(format_, type, -1, -1, nullptr, 0);
  return i < 0 ? -1 : i;
}

}  // namespace video::ff
