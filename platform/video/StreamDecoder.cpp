#include "platform/video/StreamDecoder.h"

namespace video::ff {

StreamDecoder::StreamDecoder(AVFormatContext* format, int streamIndex, CodecContextPtr decoder)
    : format_(format), streamIndex_(streamIndex), decoder_(std::move(decoder)) {}

bool StreamDecoder::receive(AVFrame* frame) {
  for (;;) {
    const int r = avcodec_receive_frame(decoder_.get(), frame);
    if (r == 0) return true;
    if (r == AVERROR_EOF || drained_) return false;
    // Other errors are pieces that could not be decoded: feed on.
    if (inputEnded_) {
      avcodec_send_packet(decoder_.get(), nullptr);
      drained_ = true;
      continue;
    }
    if (av_read_frame(format_, packet_.get()) < 0) {
      inputEnded_ = true;
      continue;
    }
    if (packet_->stream_index == streamIndex_) {
      if (hook_) hook_(packet_.get());
      (void)avcodec_send_packet(decoder_.get(), packet_.get());
    }
    av_packet_unref(packet_.get());
  }
}

void StreamDecoder::flush() {
  avcodec_flush_buffers(decoder_.get());
  inputEnded_ = false;
  drained_ = false;
}

}  // namespace video::ff
