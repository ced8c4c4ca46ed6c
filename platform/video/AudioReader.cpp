#include "platform/video/AudioReader.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <utility>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

#include "platform/video/MediaInput.h"
#include "platform/video/StreamDecoder.h"
#include "platform/video/TimestampMath.h"

namespace video {
namespace {

// A start this far ahead of the decoder is reached by decoding on rather
// than by seeking (samples per channel).
constexpr std::int64_t kForwardSamples = 1 << 16;

}  // namespace

struct AudioReader::Impl {
  explicit Impl(ff::MediaInput in) : input(std::move(in)) { openStream(); }

  ff::MediaInput input;
  AVStream* stream = nullptr;
  int streamIndex = -1;
  std::optional<ff::StreamDecoder> decoder;
  ff::FramePtr frame = ff::makeFrame();
  ff::SwrPtr swr;
  AVChannelLayout swrLayout{};
  int swrFormat = -1, swrRate = 0;
  AudioStreamInfo info;
  std::int64_t startTs = 0;
  // Converted samples not yet handed out, and the sample number of the first.
  std::vector<std::int16_t> pending;
  std::int64_t pendingStart = 0;
  bool positioned = true;  // the decoder delivers from pendingStart + pending on
  std::int64_t seeks = 0;

  ~Impl() { av_channel_layout_uninit(&swrLayout); }

  void openStream() {
    streamIndex = input.bestStream(AVMEDIA_TYPE_AUDIO);
    if (streamIndex < 0)
      throw VideoError(VideoErrorKind::NoAudio, "\"" + input.name() + "\" has no audio stream");
    stream = input.format()->streams[streamIndex];
    const AVCodecParameters* par = stream->codecpar;
    if (par->sample_rate <= 0 || par->sample_rate > 768000 || par->ch_layout.nb_channels <= 0)
      throw VideoError(VideoErrorKind::NoAudio,
                       "\"" + input.name() + "\" has an audio stream without a usable format");
    decoder.emplace(input.format(), streamIndex,
                    ff::openDecoder(stream, 0, 0, VideoErrorKind::NoAudio, input.name()));
    info.sampleRate = par->sample_rate;
    info.channels = std::min(par->ch_layout.nb_channels, 2);
    startTs = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;
    const AVRational perSample{1, info.sampleRate};
    std::int64_t length = 0;
    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
      length = av_rescale_q(stream->duration, stream->time_base, perSample);
    else if (input.format()->duration > 0)
      length = av_rescale_q(input.format()->duration, AV_TIME_BASE_Q, perSample);
    info.length = std::max<std::int64_t>(length, 0);
  }

  void configureResampler(AVFrame* f) {
    if (swr && f->format == swrFormat && f->sample_rate == swrRate &&
        av_channel_layout_compare(&f->ch_layout, &swrLayout) == 0)
      return;
    swr.reset();
    AVChannelLayout outLayout{};
    av_channel_layout_default(&outLayout, info.channels);
    SwrContext* ctx = nullptr;
    // The stream's own rate is kept: a frame at another rate (a damaged
    // stream) is resampled to it.
    const int r = swr_alloc_set_opts2(&ctx, &outLayout, AV_SAMPLE_FMT_S16, info.sampleRate,
                                      &f->ch_layout, AVSampleFormat(f->format), f->sample_rate,
                                      0, nullptr);
    av_channel_layout_uninit(&outLayout);
    if (r < 0 || !ctx || swr_init(ctx) < 0) {
      swr_free(&ctx);
      throw VideoError(VideoErrorKind::Damaged, "\"" + input.name() + "\": the sound cannot be converted");
    }
    swr.reset(ctx);
    av_channel_layout_uninit(&swrLayout);
    av_channel_layout_copy(&swrLayout, &f->ch_layout);
    swrFormat = f->format;
    swrRate = f->sample_rate;
  }

  // Decodes one more piece of sound onto `pending`; false at the end.
  bool decodeMore() {
    for (;;) {
      if (!decoder->receive(frame.get())) return false;
      if (frame->nb_samples <= 0 || frame->sample_rate <= 0 || frame->ch_layout.nb_channels <= 0)
        continue;
      try {
        configureResampler(frame.get());
      } catch (const VideoError&) {
        continue;  // a damaged piece; the next may be fine
      }
      const int room = swr_get_out_samples(swr.get(), frame->nb_samples);
      if (room <= 0) continue;
      std::vector<std::int16_t> converted(std::size_t(room) * std::size_t(info.channels));
      auto* out = reinterpret_cast<std::uint8_t*>(converted.data());
      const int got = swr_convert(swr.get(), &out, room,
                                  const_cast<const std::uint8_t**>(frame->extended_data),
                                  frame->nb_samples);
      if (got <= 0) continue;
      converted.resize(std::size_t(got) * std::size_t(info.channels));
      if (!positioned) {
        // After a seek the first piece says where the decoder is.
        std::int64_t ts = frame->best_effort_timestamp;
        if (ts == AV_NOPTS_VALUE) ts = frame->pts;
        pendingStart = ts == AV_NOPTS_VALUE
                           ? pendingStart
                           : av_rescale_q(ff::saturatingSub(ts, startTs), stream->time_base,
                                          AVRational{1, info.sampleRate});
        pending.clear();
        positioned = true;
      }
      pending.insert(pending.end(), converted.begin(), converted.end());
      return true;
    }
  }

  std::int64_t pendingEnd() const {
    return pendingStart + std::int64_t(pending.size()) / info.channels;
  }

  void seekTo(std::int64_t sample) {
    ++seeks;
    const std::int64_t ts = ff::saturatingAdd(
        startTs, av_rescale_q(sample, AVRational{1, info.sampleRate}, stream->time_base));
    if (av_seek_frame(input.format(), streamIndex, ts, AVSEEK_FLAG_BACKWARD) < 0 &&
        av_seek_frame(input.format(), streamIndex, startTs, AVSEEK_FLAG_BACKWARD) < 0)
      throw VideoError(VideoErrorKind::Damaged, "\"" + input.name() + "\": the sound cannot be sought");
    decoder->flush();
    if (swr) swr_init(swr.get());
    pending.clear();
    pendingStart = sample;  // in case the decoder gives no timestamps
    positioned = false;
  }

  int read(std::int64_t first, int count, std::vector<std::int16_t>& out) {
    if (count <= 0 || first < 0) return 0;
    const bool covered = positioned && first >= pendingStart &&
                         first <= pendingEnd() + kForwardSamples;
    if (!covered) seekTo(first);
    const std::int64_t want = first + count;
    while (pendingEnd() < want) {
      // Drop what lies before `first` so a long skip holds little memory.
      if (positioned && pendingEnd() <= first) {
        pendingStart = pendingEnd();
        pending.clear();
      }
      if (!decodeMore()) break;
    }
    const std::int64_t reached = std::min(want, pendingEnd());
    if (reached <= first) return 0;
    // A stream that starts late (or has a hole) is silent until its sound begins.
    const std::int64_t dataFrom = std::clamp(pendingStart, first, reached);
    out.insert(out.end(), std::size_t(dataFrom - first) * std::size_t(info.channels), 0);
    if (reached > dataFrom) {
      const auto begin = pending.begin() + (dataFrom - pendingStart) * info.channels;
      const auto end = pending.begin() + (reached - pendingStart) * info.channels;
      out.insert(out.end(), begin, end);
      // Keep only what follows, so the next read in sequence starts there.
      pending.erase(pending.begin(), end);
      pendingStart = reached;
    }
    return int(reached - first);
  }
};

AudioReader::AudioReader(const std::filesystem::path& path)
    : impl_(std::make_unique<Impl>(ff::MediaInput(path))) {}
AudioReader::AudioReader(std::span<const std::uint8_t> bytes, const std::string& name)
    : impl_(std::make_unique<Impl>(ff::MediaInput(bytes, name))) {}
AudioReader::AudioReader(AudioReader&&) noexcept = default;
AudioReader& AudioReader::operator=(AudioReader&&) noexcept = default;
AudioReader::~AudioReader() = default;

const AudioStreamInfo& AudioReader::info() const { return impl_->info; }

int AudioReader::read(std::int64_t first, int count, std::vector<std::int16_t>& out) {
  return impl_->read(first, count, out);
}

std::int64_t AudioReader::seekCount() const { return impl_->seeks; }

}  // namespace video
