#include "platform/video/VideoReader.h"

#include <algorithm>
#include <climits>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "platform/video/FrameConverter.h"
#include "platform/video/MediaInput.h"
#include "platform/video/StreamDecoder.h"
#include "platform/video/TimestampMath.h"

namespace video {
namespace {

constexpr std::int64_t kUnknown = std::numeric_limits<std::int64_t>::max();
// Without an index, decoding this many frames forward is taken to be cheaper
// than seeking back to an unknown key frame.
constexpr std::int64_t kForwardWithoutIndex = 64;

}  // namespace

struct VideoReader::Impl {
  explicit Impl(ff::MediaInput in) : input(std::move(in)) { openStream(); }

  ff::MediaInput input;
  AVStream* stream = nullptr;
  int streamIndex = -1;
  std::optional<ff::StreamDecoder> decoder;
  ff::FramePtr decoded = ff::makeFrame();
  // The last picture taken from the decoder that is not past the last request.
  ff::FramePtr held = ff::makeFrame();
  std::int64_t heldIndex = -1;
  bool heldValid = false;
  // A picture decoded past a request (the request was a missing frame).
  ff::FramePtr ahead = ff::makeFrame();
  std::int64_t aheadIndex = -1;
  bool aheadValid = false;
  // Frame the decoder was last positioned for (at opening: the first).
  std::int64_t seekTarget = 0;
  // First frame known to be missing at the end of a truncated file.
  std::int64_t knownEnd = kUnknown;

  // The file's index by byte position: a container without timestamps (AVI)
  // numbers packets by counting them, so one damaged chunk would shift every
  // frame after it; the index says which frame each chunk really is.
  std::vector<std::pair<std::int64_t, std::int64_t>> timestampAt;

  VideoStreamInfo info;
  AVRational frameDuration{1, 25};
  std::int64_t startTs = 0;

  ff::FrameConverter converter;
  gdi::Bitmap bitmap;
  std::int64_t bitmapRequest = -1;  // the request the bitmap answers
  std::int64_t bitmapPicture = -1;  // the index of the picture it shows

  std::int64_t decodes = 0;
  std::int64_t seeks = 0;

  const std::string& name() const { return input.name(); }

  [[noreturn]] void damaged(const std::string& what) const {
    throw VideoError(VideoErrorKind::Damaged, "\"" + name() + "\": " + what);
  }

  void openStream() {
    streamIndex = input.bestStream(AVMEDIA_TYPE_VIDEO);
    if (streamIndex < 0)
      throw VideoError(VideoErrorKind::NoVideo, "\"" + name() + "\" has no video stream");
    stream = input.format()->streams[streamIndex];
    const AVCodecParameters* par = stream->codecpar;
    if (par->width <= 0 || par->height <= 0)
      throw VideoError(VideoErrorKind::NoVideo, "\"" + name() + "\" has no frame size");
    if (par->width > gdi::Bitmap::kMaxSide || par->height > gdi::Bitmap::kMaxSide ||
        std::int64_t(par->width) * par->height > gdi::Bitmap::kMaxPixels)
      throw VideoError(VideoErrorKind::TooLarge, "The frames of \"" + name() + "\" are too large");
    // Slice threads only: frame threads would delay every picture by the
    // thread count, which makes exact seeking and single steps slower.
    // Pictures are scaled to the stream's frame size anyway; a damaged packet
    // must not make the decoder allocate far more than that.
    const std::int64_t maxPixels = std::min<std::int64_t>(
        gdi::Bitmap::kMaxPixels, std::max<std::int64_t>(std::int64_t(par->width) * par->height * 4, 1 << 22));
    decoder.emplace(input.format(), streamIndex,
                    ff::openDecoder(stream, FF_THREAD_SLICE, maxPixels, VideoErrorKind::NoVideo, name()));
    decoder->setPacketHook([this](AVPacket* p) { stampFromIndex(p); });

    AVRational fps = av_guess_frame_rate(input.format(), stream, nullptr);
    if (fps.num <= 0 || fps.den <= 0) fps = {25, 1};
    av_reduce(&info.rate, &info.scale, fps.num, fps.den, INT_MAX);
    frameDuration = av_inv_q(fps);
    startTs = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;

    std::int64_t length = stream->nb_frames;
    if (length <= 0 && stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
      length = av_rescale_q_rnd(stream->duration, stream->time_base, frameDuration,
                                AVRounding(AV_ROUND_NEAR_INF | AV_ROUND_PASS_MINMAX));
    if (length <= 0 && input.format()->duration > 0)
      length = av_rescale_q_rnd(input.format()->duration, AV_TIME_BASE_Q, frameDuration,
                                AVRounding(AV_ROUND_NEAR_INF | AV_ROUND_PASS_MINMAX));
    if (length <= 0) length = 1;  // a single picture, as a still image
    info.length = int(std::min<std::int64_t>(length, INT_MAX));
    info.start = 0;
    info.width = par->width;
    info.height = par->height;

    const int entries = avformat_index_get_entries_count(stream);
    timestampAt.reserve(std::size_t(std::max(entries, 0)));
    for (int i = 0; i < entries; ++i)
      if (const AVIndexEntry* e = avformat_index_get_entry(stream, i))
        timestampAt.emplace_back(e->pos, e->timestamp);
    std::sort(timestampAt.begin(), timestampAt.end());
  }

  // Gives a packet the timestamp the index has for its position. Index
  // entries may point at the chunk header before the data (8 bytes in AVI).
  void stampFromIndex(AVPacket* p) const {
    constexpr std::int64_t kChunkHeader = 8;
    if (p->pos < 0 || timestampAt.empty()) return;
    auto it = std::upper_bound(timestampAt.begin(), timestampAt.end(),
                               std::pair<std::int64_t, std::int64_t>(p->pos, INT64_MAX));
    if (it == timestampAt.begin()) return;
    --it;
    if (p->pos - it->first > kChunkHeader) return;
    p->dts = it->second;
    p->pts = it->second;
  }

  std::int64_t timestampOf(std::int64_t n) const {
    return ff::saturatingAdd(startTs, av_rescale_q(n, frameDuration, stream->time_base));
  }

  std::int64_t indexOf(const AVFrame* f) const {
    std::int64_t ts = f->best_effort_timestamp;
    if (ts == AV_NOPTS_VALUE) ts = f->pts;
    if (ts == AV_NOPTS_VALUE) return heldValid ? heldIndex + 1 : seekTarget;
    const std::int64_t i = av_rescale_q_rnd(ff::saturatingSub(ts, startTs), stream->time_base,
                                            frameDuration,
                                            AVRounding(AV_ROUND_NEAR_INF | AV_ROUND_PASS_MINMAX));
    return i;
  }

  // The key frame at or before n by the file's index; -1 when unknown.
  std::int64_t keyFrameBefore(std::int64_t n) const {
    const int i = av_index_search_timestamp(stream, timestampOf(n), AVSEEK_FLAG_BACKWARD);
    if (i < 0) return -1;
    const AVIndexEntry* e = avformat_index_get_entry(stream, i);
    if (!e) return -1;
    const std::int64_t k = av_rescale_q_rnd(ff::saturatingSub(e->timestamp, startTs),
                                            stream->time_base, frameDuration,
                                            AVRounding(AV_ROUND_NEAR_INF | AV_ROUND_PASS_MINMAX));
    return k <= n ? k : -1;
  }

  void resetDecoder(std::int64_t target) {
    decoder->flush();
    av_frame_unref(held.get());
    av_frame_unref(ahead.get());
    heldValid = false;
    aheadValid = false;
    seekTarget = target;
  }

  void seekFor(std::int64_t n) {
    ++seeks;
    if (av_seek_frame(input.format(), streamIndex, timestampOf(n), AVSEEK_FLAG_BACKWARD) < 0) {
      seekToStart();
      return;
    }
    resetDecoder(n);
  }

  void seekToStart() {
    ++seeks;
    if (av_seek_frame(input.format(), streamIndex, startTs, AVSEEK_FLAG_BACKWARD) < 0 &&
        av_seek_frame(input.format(), streamIndex, startTs,
                      AVSEEK_FLAG_BACKWARD | AVSEEK_FLAG_ANY) < 0 &&
        avformat_seek_file(input.format(), -1, INT64_MIN, 0, 0, 0) < 0)
      damaged("the file cannot be read from its start again");
    resetDecoder(0);
  }

  // Takes the next picture from the decoder into `decoded`; false at the end.
  bool receive() {
    if (!decoder->receive(decoded.get())) return false;
    ++decodes;
    return true;
  }

  void hold(AVFrame* f, std::int64_t index) {
    av_frame_unref(held.get());
    av_frame_move_ref(held.get(), f);
    heldIndex = index;
    heldValid = true;
  }

  // Decodes forward until the picture that shows frame n is held; returns
  // false when the first picture decoded is already past n.
  bool decodeTo(std::int64_t n) {
    for (;;) {
      std::int64_t index;
      if (aheadValid) {
        av_frame_unref(decoded.get());
        av_frame_move_ref(decoded.get(), ahead.get());
        aheadValid = false;
        index = aheadIndex;
      } else {
        if (!receive()) break;
        index = indexOf(decoded.get());
      }
      if (index < n) {
        hold(decoded.get(), index);
        continue;
      }
      if (index == n) {
        hold(decoded.get(), index);
        return true;
      }
      if (!heldValid) {
        hold(decoded.get(), index);
        return false;
      }
      // Frame n is missing from the file: the picture before it stays.
      av_frame_move_ref(ahead.get(), decoded.get());
      aheadIndex = index;
      aheadValid = true;
      return true;
    }
    if (heldValid && heldIndex < n) {
      knownEnd = heldIndex + 1;
      damaged("frame " + std::to_string(n) + " is missing (the file ends after frame " +
              std::to_string(heldIndex) + ")");
    }
    damaged("frame " + std::to_string(n) + " cannot be decoded");
  }

  void find(std::int64_t n) {
    if (heldValid && heldIndex == n) return;
    if (heldValid && heldIndex < n && aheadValid && aheadIndex > n) return;  // a missing frame
    const std::int64_t position = heldValid ? heldIndex : seekTarget - 1;
    bool reachable = heldValid ? heldIndex < n : seekTarget <= n;
    if (reachable) {
      const std::int64_t key = keyFrameBefore(n);
      if (key >= 0 ? key > position + 1 : n - position > kForwardWithoutIndex) reachable = false;
    }
    if (!reachable) seekFor(n);
    if (decodeTo(n)) return;
    // The seek landed past n (a wrong index): read from the start instead.
    // From there, a first picture past n means the file has no earlier one.
    seekToStart();
    (void)decodeTo(n);
  }

  const gdi::Bitmap& frame(int n) {
    if (n < 0 || n >= info.length)
      damaged("frame " + std::to_string(n) + " is outside the video's " +
              std::to_string(info.length) + " frames");
    if (n >= knownEnd)
      damaged("frame " + std::to_string(n) + " is missing (the file ends after frame " +
              std::to_string(knownEnd - 1) + ")");
    if (bitmapRequest == n) return bitmap;
    find(n);
    if (heldIndex != bitmapPicture || bitmap.empty()) {
      bitmapPicture = -1;
      converter.toBitmap(*held, info.width, info.height, bitmap);
      bitmapPicture = heldIndex;
    }
    bitmapRequest = n;
    return bitmap;
  }
};

VideoReader::VideoReader(const std::filesystem::path& path)
    : impl_(std::make_unique<Impl>(ff::MediaInput(path))) {}

VideoReader::VideoReader(std::span<const std::uint8_t> bytes, const std::string& name)
    : impl_(std::make_unique<Impl>(ff::MediaInput(bytes, name))) {}

VideoReader::VideoReader(VideoReader&&) noexcept = default;
VideoReader& VideoReader::operator=(VideoReader&&) noexcept = default;
VideoReader::~VideoReader() = default;

const VideoStreamInfo& VideoReader::info() const { return impl_->info; }
const std::string& VideoReader::name() const { return impl_->name(); }

bool VideoReader::hasAudio() const { return impl_->input.bestStream(AVMEDIA_TYPE_AUDIO) >= 0; }

const gdi::Bitmap& VideoReader::frame(int n) { return impl_->frame(n); }

std::int64_t VideoReader::decodeCount() const { return impl_->decodes; }
std::int64_t VideoReader::seekCount() const { return impl_->seeks; }

}  // namespace video
