#pragma once
// Decoding one stream of a container in file order: reads its packets,
// feeds the decoder and drains it at the end. Packets of other streams are
// skipped, and a packet the decoder refuses (damaged data) is dropped so
// the ones after it still decode. Internal to platform/video.
#include <functional>

#include "platform/video/FFmpeg.h"

namespace video::ff {

class StreamDecoder {
 public:
  StreamDecoder(AVFormatContext* format, int streamIndex, CodecContextPtr decoder);

  // Lets the owner correct each packet of the stream before it is decoded.
  void setPacketHook(std::function<void(AVPacket*)> hook) { hook_ = std::move(hook); }
  // The next decoded picture or piece of sound; false at the end of the stream.
  bool receive(AVFrame* frame);
  // Forgets what is buffered; for after a seek.
  void flush();

 private:
  AVFormatContext* format_;
  int streamIndex_;
  CodecContextPtr decoder_;
  PacketPtr packet_ = makePacket();
  std::function<void(AVPacket*)> hook_;
  bool inputEnded_ = false;
  bool drained_ = false;
};

}  // namespace video::ff
