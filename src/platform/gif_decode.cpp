#include "platform/gif_decode.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace cw {
namespace {

constexpr int kMaxCodes = 4096;

// Reads the bytes of the frame's data sub-blocks, then their bits least significant first.
class CodeReader {
 public:
  CodeReader(const uint8_t* b, size_t size, size_t at) {
    while (at < size && b[at] != 0) {
      size_t n = b[at++];
      if (n > size - at) n = size - at;
      data_.insert(data_.end(), b + at, b + at + n);
      at += n;
    }
  }
  // The next code of `bits` bits, or -1 when the data has run out.
  int Next(int bits) {
    while (have_ < bits) {
      if (pos_ >= data_.size()) return -1;
      buffer_ |= uint32_t(data_[pos_++]) << have_;
      have_ += 8;
    }
    int code = int(buffer_ & ((1u << bits) - 1));
    buffer_ >>= bits;
    have_ -= bits;
    return code;
  }

 private:
  std::vector<uint8_t> data_;
  size_t pos_ = 0;
  uint32_t buffer_ = 0;
  int have_ = 0;
};

// Rows in the order the data gives them: interlaced frames come in four passes.
class RowOrder {
 public:
  RowOrder(int height, bool interlaced) : height_(height), interlaced_(interlaced) {}
  // The row of the n-th row of data.
  int Row(int n) const {
    if (!interlaced_) return n;
    static constexpr int kStart[4] = {0, 4, 2, 1}, kStep[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
      int rows = kStart[pass] < height_ ? (height_ - kStart[pass] + kStep[pass] - 1) / kStep[pass] : 0;
      if (n < rows) return kStart[pass] + n * kStep[pass];
      n -= rows;
    }
    return height_ - 1;
  }

 private:
  int height_;
  bool interlaced_;
};

}  // namespace

bool LooksLikeGif(const void* data, size_t size) {
  return data && size >= 6 && (std::memcmp(data, "GIF87a", 6) == 0 || std::memcmp(data, "GIF89a", 6) == 0);
}

std::optional<IndexedSurface> DecodeGifIndexed(const void* data, size_t size) {
  const auto* b = static_cast<const uint8_t*>(data);
  if (!LooksLikeGif(data, size) || size < 13) return std::nullopt;
  auto u16 = [b](size_t at) { return int(b[at]) | int(b[at + 1]) << 8; };
  std::array<uint32_t, 256> global{}, local{};
  size_t at = 13;
  if (b[10] & 0x80) {
    int count = 2 << (b[10] & 7);
    if (at + size_t(count) * 3 > size) return std::nullopt;
    for (int i = 0; i < count; ++i, at += 3) global[i] = Rgb(b[at], b[at + 1], b[at + 2]);
  }
  // Extensions up to the first frame.
  while (at < size && b[at] == 0x21) {
    at += 2;
    while (at < size && b[at] != 0) at += 1 + size_t(b[at]);
    ++at;
  }
  if (at + 10 > size || b[at] != 0x2C) return std::nullopt;
  const int width = u16(at + 5), height = u16(at + 7);
  const uint8_t flags = b[at + 9];
  at += 10;
  if (width == 0 || height == 0) return std::nullopt;
  const std::array<uint32_t, 256>* colours = &global;
  if (flags & 0x80) {
    int count = 2 << (flags & 7);
    if (at + size_t(count) * 3 > size) return std::nullopt;
    for (int i = 0; i < count; ++i, at += 3) local[i] = Rgb(b[at], b[at + 1], b[at + 2]);
    colours = &local;
  }
  if (at >= size) return std::nullopt;
  const int min_bits = b[at++];
  IndexedSurface out(width, height);  // index 0 wherever the data does not reach
  out.palette = *colours;
  if (min_bits < 2 || min_bits > 8) return out;

  // LZW: each code names a string of palette indices, kept as a prefix code plus a last index.
  std::array<uint16_t, kMaxCodes> prefix{};
  std::array<uint8_t, kMaxCodes> suffix{}, first{};
  std::array<uint8_t, kMaxCodes + 1> stack{};
  const int clear = 1 << min_bits, end = clear + 1;
  for (int i = 0; i < clear; ++i) suffix[i] = first[i] = uint8_t(i);
  int bits = min_bits + 1, next = end + 1, previous = -1;
  CodeReader codes(b, size, at);
  const RowOrder rows(height, flags & 0x40);
  int x = 0, row = 0;
  uint8_t* line = out.Row(rows.Row(0));  // the row being filled, looked up once per row
  auto put = [&](uint8_t index) {
    if (row >= height) return;
    line[x] = index;
    if (++x == width) {
      x = 0;
      if (++row < height) line = out.Row(rows.Row(row));
    }
  };
  while (row < height) {
    int code = codes.Next(bits);
    if (code < 0 || code == end) break;
    if (code == clear) {
      bits = min_bits + 1;
      next = end + 1;
      previous = -1;
      continue;
    }
    if (previous < 0) {
      if (code >= clear) break;  // a string before any was made
      put(uint8_t(code));
      previous = code;
      continue;
    }
    if (code > next || (code == next && next >= kMaxCodes)) break;
    // The string of `code`; the one not yet in the table is the previous string plus its own first index.
    int length = 0, c = code;
    uint8_t head;
    if (code == next) {
      stack[length++] = first[previous];
      c = previous;
    }
    head = first[c];
    while (c >= clear) {
      stack[length++] = suffix[c];
      c = prefix[c];
    }
    stack[length++] = uint8_t(c);
    while (length > 0) put(stack[--length]);
    if (next < kMaxCodes) {
      prefix[next] = uint16_t(previous);
      suffix[next] = head;
      first[next] = first[previous];
      ++next;
      if (next == (1 << bits) && bits < 12) ++bits;
    }
    previous = code;
  }
  return out;
}

std::optional<Surface> DecodeGif(const void* data, size_t size) {
  auto indexed = DecodeGifIndexed(data, size);
  if (!indexed) return std::nullopt;
  return ToSurface(*indexed);
}

}  // namespace cw
