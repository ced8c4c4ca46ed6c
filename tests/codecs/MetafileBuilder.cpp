#include "MetafileBuilder.h"

namespace codec_test {
namespace {

void put16(Bytes& b, int v) {
  b.push_back(std::uint8_t(v));
  b.push_back(std::uint8_t(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}

}  // namespace

Bytes words(const std::vector<int>& values) {
  Bytes b;
  for (int v : values) put16(b, v);
  return b;
}

Bytes latin1(const std::string& s) { return Bytes(s.begin(), s.end()); }

WmfBuilder::WmfBuilder(int objects, int inch, int left, int top, int right, int bottom)
    : objects_(objects), inch_(inch), box_{left, top, right, bottom} {}

WmfBuilder& WmfBuilder::recordBytes(std::uint16_t function, const Bytes& params) {
  Bytes p = params;
  if (p.size() % 2) p.push_back(0);
  const std::uint32_t size = std::uint32_t(3 + p.size() / 2);
  put32(records_, size);
  put16(records_, function);
  records_.insert(records_.end(), p.begin(), p.end());
  maxRecord_ = std::max(maxRecord_, size);
  return *this;
}

WmfBuilder& WmfBuilder::record(std::uint16_t function, const std::vector<int>& params) {
  return recordBytes(function, words(params));
}

Bytes WmfBuilder::finish() const {
  Bytes b;
  if (inch_ > 0) {
    put32(b, 0x9AC6CDD7);
    put16(b, 0);
    for (int v : box_) put16(b, v);
    put16(b, inch_);
    put32(b, 0);
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < b.size(); i += 2) sum ^= std::uint16_t(b[i] | (b[i + 1] << 8));
    put16(b, sum);
  }
  const std::uint32_t total = std::uint32_t(9 + records_.size() / 2 + 3);
  put16(b, 1);
  put16(b, 9);
  put16(b, 0x0300);
  put32(b, total);
  put16(b, objects_);
  put32(b, maxRecord_);
  put16(b, 0);
  b.insert(b.end(), records_.begin(), records_.end());
  put32(b, 3);  // META_EOF
  put16(b, 0);
  return b;
}

EmfBuilder::EmfBuilder(int frameRight, int frameBottom, int handles)
    : frame_{frameRight, frameBottom}, handles_(handles) {}

EmfBuilder& EmfBuilder::recordBytes(std::uint32_t type, const Bytes& params) {
  Bytes p = params;
  while (p.size() % 4) p.push_back(0);
  put32(records_, type);
  put32(records_, std::uint32_t(8 + p.size()));
  records_.insert(records_.end(), p.begin(), p.end());
  ++count_;
  return *this;
}

EmfBuilder& EmfBuilder::record(std::uint32_t type, const std::vector<std::uint32_t>& params) {
  Bytes p;
  for (std::uint32_t v : params) put32(p, v);
  return recordBytes(type, p);
}

Bytes EmfBuilder::finish() const {
  Bytes b;
  put32(b, 1);
  put32(b, 88);
  // Bounds in device pixels, frame in 0.01 mm.
  put32(b, 0);
  put32(b, 0);
  put32(b, std::uint32_t(frame_[0] * 96 / 2540));
  put32(b, std::uint32_t(frame_[1] * 96 / 2540));
  put32(b, 0);
  put32(b, 0);
  put32(b, std::uint32_t(frame_[0]));
  put32(b, std::uint32_t(frame_[1]));
  put32(b, 0x464D4520);
  put32(b, 0x10000);
  put32(b, std::uint32_t(88 + records_.size() + 20));
  put32(b, count_ + 1);
  put16(b, handles_);
  put16(b, 0);
  put32(b, 0);
  put32(b, 0);
  put32(b, 0);
  // A 96 dpi reference device: 1000 x 1000 pixels on 264.583 mm.
  put32(b, 960);
  put32(b, 960);
  put32(b, 254);
  put32(b, 254);
  b.insert(b.end(), records_.begin(), records_.end());
  put32(b, 14);  // EMR_EOF
  put32(b, 20);
  put32(b, 0);
  put32(b, 0);
  put32(b, 20);
  return b;
}

Bytes packedDib24(int width, int height, const std::vector<std::uint32_t>& colours) {
  Bytes b;
  put32(b, 40);
  put32(b, std::uint32_t(width));
  put32(b, std::uint32_t(height));
  put16(b, 1);
  put16(b, 24);
  for (int i = 0; i < 6; ++i) put32(b, 0);
  const std::size_t stride = (std::size_t(width) * 3 + 3) / 4 * 4;
  for (int y = height - 1; y >= 0; --y) {
    Bytes row(stride, 0);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colours[std::size_t(y * width + x)];
      row[std::size_t(x) * 3] = std::uint8_t(c >> 16);
      row[std::size_t(x) * 3 + 1] = std::uint8_t(c >> 8);
      row[std::size_t(x) * 3 + 2] = std::uint8_t(c);
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

}  // namespace codec_test
