#include "core/png.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace kelmora {

namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

void PutBig32(std::vector<std::uint8_t>* out, std::uint32_t value) {
  out->push_back(static_cast<std::uint8_t>(value >> 24));
  out->push_back(static_cast<std::uint8_t>(value >> 16));
  out->push_back(static_cast<std::uint8_t>(value >> 8));
  out->push_back(static_cast<std::uint8_t>(value));
}

void PutChunk(std::vector<std::uint8_t>* out, std::string_view type,
              const std::vector<std::uint8_t>& data) {
  PutBig32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out->size();
  out->insert(out->end(), type.begin(), type.end());
  out->insert(out->end(), data.begin(), data.end());
  PutBig32(out, Crc32(out->data() + start, out->size() - start));
}

// Deflate: runs of a repeated pixel as back-references three bytes back, everything else as
// literals, all in fixed Huffman codes. A game's frame is mostly black and flat: small enough,
// and quick.
class BitWriter {
 public:
  explicit BitWriter(std::vector<std::uint8_t>* out) : out_(out) {}
  void Bits(std::uint32_t value, int count) {  // least significant bit first
    for (int i = 0; i < count; ++i) Bit((value >> i) & 1u);
  }
  void Code(std::uint32_t code, int length) {  // Huffman codes go most significant bit first
    for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1u);
  }
  void Flush() {
    if (used_ > 0) out_->push_back(current_);
    current_ = 0;
    used_ = 0;
  }

 private:
  void Bit(std::uint32_t bit) {
    current_ = static_cast<std::uint8_t>(current_ | (bit << used_));
    if (++used_ == 8) Flush();
  }
  std::vector<std::uint8_t>* out_;
  std::uint8_t current_ = 0;
  int used_ = 0;
};

void Literal(BitWriter& bits, std::uint32_t value) {
  if (value < 144) {
    bits.Code(0x30 + value, 8);
  } else if (value < 256) {
    bits.Code(0x190 + (value - 144), 9);
  } else if (value < 280) {
    bits.Code(value - 256, 7);
  } else {
    bits.Code(0xC0 + (value - 280), 8);
  }
}

// A back-reference of `length` (3..258) bytes, three bytes back.
void Match(BitWriter& bits, int length) {
  static constexpr int kBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                  31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
  static constexpr int kExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                   2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
  int code = 28;
  while (kBase[code] > length) --code;
  Literal(bits, static_cast<std::uint32_t>(257 + code));
  bits.Bits(static_cast<std::uint32_t>(length - kBase[code]), kExtra[code]);
  bits.Code(2, 5);  // distance 3: code 2, no extra bits
}

std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> out = {0x78, 0x01};  // zlib: deflate, 32K window, no dictionary
  BitWriter bits(&out);
  bits.Bits(1, 1);  // the last block
  bits.Bits(1, 2);  // fixed codes
  std::size_t i = 0;
  while (i < data.size()) {
    if (i >= 3) {
      std::size_t run = 0;
      while (i + run < data.size() && run < 258 && data[i + run] == data[i + run - 3]) ++run;
      if (run >= 3) {
        Match(bits, static_cast<int>(run));
        i += run;
        continue;
      }
    }
    Literal(bits, data[i]);
    ++i;
  }
  Literal(bits, 256);  // end of block
  bits.Flush();
  PutBig32(&out, Adler32(data.data(), data.size()));
  return out;
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t count, std::uint32_t crc) {
  crc = ~crc;
  for (std::size_t i = 0; i < count; ++i) crc = kCrcTable[(crc ^ bytes[i]) & 0xFFu] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(const std::uint8_t* bytes, std::size_t count, std::uint32_t adler) {
  std::uint32_t a = adler & 0xFFFFu;
  std::uint32_t b = adler >> 16;
  for (std::size_t i = 0; i < count; ++i) {
    a = (a + bytes[i]) % 65521u;
    b = (b + a) % 65521u;
  }
  return (b << 16) | a;
}

std::vector<std::uint8_t> EncodePngRgb(const std::uint8_t* rgb, int width, int height) {
  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  PutBig32(&header, static_cast<std::uint32_t>(width));
  PutBig32(&header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
  PutChunk(&out, "IHDR", header);
  // Every row with filter 0 (none).
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  std::vector<std::uint8_t> raw;
  raw.reserve((rowBytes + 1) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    const std::uint8_t* row = rgb + static_cast<std::size_t>(y) * rowBytes;
    raw.insert(raw.end(), row, row + rowBytes);
  }
  PutChunk(&out, "IDAT", Deflate(raw));
  PutChunk(&out, "IEND", {});
  return out;
}

}  // namespace kelmora
