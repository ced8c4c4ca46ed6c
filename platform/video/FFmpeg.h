#pragma once
// Owning handles for FFmpeg objects and the few helpers every reader and
// writer of this layer shares. Internal to platform/video.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <cstdint>
#include <memory>
#include <string>

#include "platform/video/VideoError.h"

namespace video::ff {

struct CodecContextFree {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameFree {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFree {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct SwsFree {
  void operator()(SwsContext* c) const { sws_freeContext(c); }
};
struct SwrFree {
  void operator()(SwrContext* c) const { swr_free(&c); }
};

using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFree>;
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;
using SwsPtr = std::unique_ptr<SwsContext, SwsFree>;
using SwrPtr = std::unique_ptr<SwrContext, SwrFree>;

// Allocations that only fail when memory runs out.
FramePtr makeFrame();
PacketPtr makePacket();

// FFmpeg's text for an error code.
std::string errorText(int code);

// FFmpeg prints to stderr by default; the program reports errors itself.
void silenceLog();

// A decoder for the stream's parameters, opened with FFmpeg's choice of
// thread count for the given thread types (FF_THREAD_SLICE, FF_THREAD_FRAME;
// 0 = one thread), refusing pictures of more than `maxPixels` (0: no limit
// of our own). Throws VideoError(`missing`) when there is none.
CodecContextPtr openDecoder(const AVStream* stream, int threadTypes, std::int64_t maxPixels,
                            VideoErrorKind missing, const std::string& name);

}  // namespace video::ff
