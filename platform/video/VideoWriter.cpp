#include "platform/video/VideoWriter.h"

#include <cstring>
#include <string>
#include <system_error>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
}

#include "platform/codecs/SeriesSave.h"
#include "platform/video/FFmpeg.h"

namespace video {
namespace {

// Removed again unless the write completed.
struct TemporaryFile {
  std::filesystem::path path;
  bool keep = false;
  ~TemporaryFile() {
    std::error_code ec;
    if (!keep) std::filesystem::remove(path, ec);
  }
};

struct OutputFree {
  void operator()(AVFormatContext* f) const {
    if (f->pb) avio_closep(&f->pb);
    avformat_free_context(f);
  }
};

}  // namespace

struct VideoWriter::Impl {
  std::filesystem::path target;
  TemporaryFile temporary;  // declared before the output, so removed after it is closed
  VideoWriterSettings settings;
  std::unique_ptr<AVFormatContext, OutputFree> output;
  AVFormatContext* format = nullptr;
  AVStream* videoStream = nullptr;
  AVStream* audioStream = nullptr;
  ff::CodecContextPtr videoEncoder, audioEncoder;
  ff::FramePtr picture = ff::makeFrame();
  ff::FramePtr sound = ff::makeFrame();
  ff::PacketPtr packet = ff::makePacket();
  ff::SwsPtr sws;
  std::int64_t frames = 0, samples = 0;
  bool finished = false;

  [[noreturn]] void fail(VideoErrorKind kind, const std::string& why) const {
    throw VideoError(kind, "Cannot write \"" + target.string() + "\": " + why);
  }

  Impl(const std::filesystem::path& path, const VideoWriterSettings& s)
      : target(path), temporary{codecs::temporaryPathBeside(path)}, settings(s) {
    ff::silenceLog();
    const bool soundOnly = s.width == 0 && s.height == 0 && s.sampleRate > 0;
    if ((!soundOnly && (s.width <= 0 || s.height <= 0)) || s.rate <= 0 || s.scale <= 0 ||
        s.width > gdi::Bitmap::kMaxSide || s.height > gdi::Bitmap::kMaxSide ||
        (s.sampleRate > 0 && (s.channels < 1 || s.channels > 2)))
      fail(VideoErrorKind::NotMedia, "the frame size, rate or sound format cannot be encoded");
    const AVOutputFormat* container = av_guess_format(nullptr, path.string().c_str(), nullptr);
    if (!container) fail(VideoErrorKind::NotMedia, "no container for this file name");
    if (avformat_alloc_output_context2(&format, container, nullptr,
                                       temporary.path.string().c_str()) < 0)
      fail(VideoErrorKind::NotMedia, "no container for this file name");
    output.reset(format);
    if (!soundOnly) addVideo();
    if (s.sampleRate > 0) addAudio();
    const int r = avio_open(&format->pb, temporary.path.string().c_str(), AVIO_FLAG_WRITE);
    if (r < 0) fail(VideoErrorKind::Io, ff::errorText(r));
    if (avformat_write_header(format, nullptr) < 0) fail(VideoErrorKind::Io, "the header cannot be written");
  }

  void addVideo() {
    const bool mjpeg = settings.codec == VideoCodec::Mjpeg;
    const AVCodec* codec = avcodec_find_encoder(mjpeg ? AV_CODEC_ID_MJPEG : AV_CODEC_ID_RAWVIDEO);
    if (!codec) fail(VideoErrorKind::NotMedia, "no video encoder");
    videoStream = avformat_new_stream(format, nullptr);
    videoEncoder.reset(avcodec_alloc_context3(codec));
    if (!videoStream || !videoEncoder) throw std::bad_alloc();
    AVCodecContext* c = videoEncoder.get();
    c->width = settings.width;
    c->height = settings.height;
    c->time_base = AVRational{settings.scale, settings.rate};
    c->framerate = AVRational{settings.rate, settings.scale};
    c->pix_fmt = mjpeg ? AV_PIX_FMT_YUVJ420P : AV_PIX_FMT_BGR24;
    c->color_range = mjpeg ? AVCOL_RANGE_JPEG : AVCOL_RANGE_UNSPECIFIED;
    if (mjpeg) {
      c->flags |= AV_CODEC_FLAG_QSCALE;
      c->global_quality = FF_QP2LAMBDA * settings.quality;
    }
    if (format->oformat->flags & AVFMT_GLOBALHEADER) c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(c, codec, nullptr) < 0) fail(VideoErrorKind::NotMedia, "the video encoder refused the settings");
    avcodec_parameters_from_context(videoStream->codecpar, c);
    videoStream->time_base = c->time_base;
    videoStream->avg_frame_rate = c->framerate;
    picture->format = c->pix_fmt;
    picture->width = c->width;
    picture->height = c->height;
    picture->color_range = c->color_range;
    if (av_frame_get_buffer(picture.get(), 0) < 0) throw std::bad_alloc();
    sws.reset(sws_getContext(c->width, c->height, AV_PIX_FMT_RGB0, c->width, c->height, c->pix_fmt,
                             SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!sws) fail(VideoErrorKind::NotMedia, "the pictures cannot be converted");
    if (mjpeg)
      sws_setColorspaceDetails(sws.get(), sws_getCoefficients(SWS_CS_DEFAULT), 1,
                               sws_getCoefficients(SWS_CS_DEFAULT), 1, 0, 1 << 16, 1 << 16);
  }

  void addAudio() {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE);
    if (!codec) fail(VideoErrorKind::NotMedia, "no sound encoder");
    audioStream = avformat_new_stream(format, nullptr);
    audioEncoder.reset(avcodec_alloc_context3(codec));
    if (!audioStream || !audioEncoder) throw std::bad_alloc();
    AVCodecContext* c = audioEncoder.get();
    c->sample_fmt = AV_SAMPLE_FMT_S16;
    c->sample_rate = settings.sampleRate;
    av_channel_layout_default(&c->ch_layout, settings.channels);
    c->time_base = AVRational{1, settings.sampleRate};
    if (avcodec_open2(c, codec, nullptr) < 0) fail(VideoErrorKind::NotMedia, "the sound encoder refused the settings");
    avcodec_parameters_from_context(audioStream->codecpar, c);
    audioStream->time_base = c->time_base;
  }

  // Hands what the encoder has ready to the container.
  void drain(AVCodecContext* encoder, AVStream* stream) {
    while (avcodec_receive_packet(encoder, packet.get()) == 0) {
      av_packet_rescale_ts(packet.get(), encoder->time_base, stream->time_base);
      packet->stream_index = stream->index;
      if (av_interleaved_write_frame(format, packet.get()) < 0) fail(VideoErrorKind::Io, "the disk refused the data");
    }
  }

  void writeFrame(const gdi::Bitmap& frame) {
    if (!videoEncoder) fail(VideoErrorKind::NotMedia, "the file has no video track");
    if (frame.width() != settings.width || frame.height() != settings.height)
      fail(VideoErrorKind::NotMedia, "a frame has the wrong size");
    if (av_frame_make_writable(picture.get()) < 0) throw std::bad_alloc();
    const std::uint8_t* src[4] = {reinterpret_cast<const std::uint8_t*>(frame.bits()), nullptr,
                                  nullptr, nullptr};
    const int srcStride[4] = {frame.width() * 4, 0, 0, 0};
    sws_scale(sws.get(), src, srcStride, 0, frame.height(), picture->data, picture->linesize);
    picture->pts = frames++;
    if (settings.codec == VideoCodec::Mjpeg) picture->quality = videoEncoder->global_quality;
    if (avcodec_send_frame(videoEncoder.get(), picture.get()) < 0) fail(VideoErrorKind::NotMedia, "a frame cannot be encoded");
    drain(videoEncoder.get(), videoStream);
  }

  void writeAudio(std::span<const std::int16_t> values) {
    if (!audioEncoder) fail(VideoErrorKind::NotMedia, "the file has no sound track");
    const int channels = settings.channels;
    const int count = int(values.size()) / channels;
    if (count <= 0) return;
    av_frame_unref(sound.get());
    sound->format = AV_SAMPLE_FMT_S16;
    sound->sample_rate = settings.sampleRate;
    av_channel_layout_default(&sound->ch_layout, channels);
    sound->nb_samples = count;
    if (av_frame_get_buffer(sound.get(), 0) < 0) throw std::bad_alloc();
    std::memcpy(sound->data[0], values.data(), std::size_t(count) * std::size_t(channels) * 2);
    sound->pts = samples;
    samples += count;
    if (avcodec_send_frame(audioEncoder.get(), sound.get()) < 0) fail(VideoErrorKind::NotMedia, "the sound cannot be encoded");
    drain(audioEncoder.get(), audioStream);
  }

  void finish() {
    if (finished) return;
    if (videoEncoder) {
      avcodec_send_frame(videoEncoder.get(), nullptr);
      drain(videoEncoder.get(), videoStream);
    }
    if (audioEncoder) {
      avcodec_send_frame(audioEncoder.get(), nullptr);
      drain(audioEncoder.get(), audioStream);
    }
    if (av_write_trailer(format) < 0) fail(VideoErrorKind::Io, "the file cannot be completed");
    if (avio_closep(&format->pb) < 0) fail(VideoErrorKind::Io, "the file cannot be completed");
    std::error_code ec;
    std::filesystem::rename(temporary.path, target, ec);
    if (ec) fail(VideoErrorKind::Io, ec.message());
    temporary.keep = true;
    finished = true;
  }
};

VideoWriter::VideoWriter(const std::filesystem::path& path, const VideoWriterSettings& settings)
    : impl_(std::make_unique<Impl>(path, settings)) {}
VideoWriter::~VideoWriter() = default;

void VideoWriter::writeFrame(const gdi::Bitmap& frame) { impl_->writeFrame(frame); }
void VideoWriter::writeAudio(std::span<const std::int16_t> samples) { impl_->writeAudio(samples); }
void VideoWriter::finish() { impl_->finish(); }

}  // namespace video
