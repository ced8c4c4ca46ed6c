#include "platform/video/FFmpeg.h"

#include <new>

extern "C" {
#include <libavutil/error.h>
#include <libavutil/log.h>
}


namespace video::ff {

FramePtr makeFrame() {
  FramePtr f(av_frame_alloc());
  if (!f) throw std::bad_alloc();
  return f;
}

PacketPtr makePacket() {
  PacketPtr p(av_packet_alloc());
  if (!p) throw std::bad_alloc();
  return p;
}

std::string errorText(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

void silenceLog() { av_log_set_level(AV_LOG_QUIET); }

CodecContextPtr openDecoder(const AVStream* stream, int threadTypes, std::int64_t maxPixels,
                            VideoErrorKind missing, const std::string& name) {
  const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
  if (!codec)
    throw VideoError(missing, "\"" + name + "\" uses a compression this program cannot decode");
  CodecContextPtr ctx(avcodec_alloc_context3(codec));
  if (!ctx) throw std::bad_alloc();
  if (avcodec_parameters_to_context(ctx.get(), stream->codecpar) < 0)
    throw VideoError(missing, "\"" + name + "\" has stream parameters that cannot be used");
  ctx->pkt_timebase = stream->time_base;
  ctx->thread_count = threadTypes ? 0 : 1;
  ctx->thread_type = threadTypes;
  if (maxPixels > 0) ctx->max_pixels = maxPixels;
  if (avcodec_open2(ctx.get(), codec, nullptr) < 0)
    throw VideoError(missing, "\"" + name + "\" cannot be decoded");
  return ctx;
}

}  // namespace video::ff
