#pragma once
// Writers of small metafiles for the playback tests: records are appended
// with their parameters and the headers are filled in at the end.
#include <cstdint>
#include <string>
#include <vector>

namespace codec_test {

using Bytes = std::vector<std::uint8_t>;

class WmfBuilder {
 public:
  // Placeable when `inch` > 0: the box (in logical units) and units per inch.
  WmfBuilder(int objects, int inch = 0, int left = 0, int top = 0, int right = 0, int bottom = 0);
  // One record: function and 16-bit parameters in file order.
  WmfBuilder& record(std::uint16_t function, const std::vector<int>& words);
  // A record with raw parameter bytes (padded to whole words).
  WmfBuilder& recordBytes(std::uint16_t function, const Bytes& params);
  Bytes finish() const;

  // Frequent records.
  WmfBuilder& windowExt(int cx, int cy) { return record(0x020C, {cy, cx}); }
  WmfBuilder& windowOrg(int x, int y) { return record(0x020B, {y, x}); }
  WmfBuilder& pen(int style, int width, std::uint32_t colour) {
    return record(0x02FA, {style, width, 0, int(colour & 0xFFFF), int(colour >> 16)});
  }
  WmfBuilder& brush(int style, std::uint32_t colour, int hatch = 0) {
    return record(0x02FC, {style, int(colour & 0xFFFF), int(colour >> 16), hatch});
  }
  WmfBuilder& select(int slot) { return record(0x012D, {slot}); }
  WmfBuilder& remove(int slot) { return record(0x01F0, {slot}); }
  WmfBuilder& rectangle(int l, int t, int r, int b) { return record(0x041B, {b, r, t, l}); }

 private:
  int objects_;
  int inch_;
  int box_[4];
  Bytes records_;
  std::uint32_t maxRecord_ = 0;
};

class EmfBuilder {
 public:
  // The frame in 0.01 mm; the reference device is 96 dpi.
  EmfBuilder(int frameRight, int frameBottom, int handles);
  // One record: type and 32-bit parameters.
  EmfBuilder& record(std::uint32_t type, const std::vector<std::uint32_t>& params);
  EmfBuilder& recordBytes(std::uint32_t type, const Bytes& params);
  Bytes finish() const;

 private:
  int frame_[2];
  int handles_;
  Bytes records_;
  std::uint32_t count_ = 1;
};

// A packed 24-bit DIB (bottom-up) of the given colours, row by row from the top.
Bytes packedDib24(int width, int height, const std::vector<std::uint32_t>& topDownColours);
Bytes words(const std::vector<int>& values);
Bytes latin1(const std::string& s);

}  // namespace codec_test
