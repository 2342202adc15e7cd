// FNV-1a 64 over 32-bit words (each fed as four bytes, little-endian) or raw bytes: the digest the
// headless runner's trace uses to summarise large state.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

namespace kelmora {

class Fnv1a64 {
 public:
  static constexpr std::uint64_t kOffsetBasis = 0xcbf29ce484222325ull;
  static constexpr std::uint64_t kPrime = 0x100000001b3ull;

  Fnv1a64() = default;
  // Continues a digest whose value so far is `value`.
  explicit Fnv1a64(std::uint64_t value) : hash_(value) {}

  void Byte(std::uint8_t byte) {
    hash_ ^= byte;
    hash_ *= kPrime;
  }
  void Bytes(const std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) Byte(bytes[i]);
  }
  void Word(std::uint32_t word) {
    Byte(static_cast<std::uint8_t>(word));
    Byte(static_cast<std::uint8_t>(word >> 8));
    Byte(static_cast<std::uint8_t>(word >> 16));
    Byte(static_cast<std::uint8_t>(word >> 24));
  }
  void Int(std::int32_t value) { Word(static_cast<std::uint32_t>(value)); }
  void Float(float value) { Word(std::bit_cast<std::uint32_t>(value)); }

  std::uint64_t Value() const { return hash_; }
  void Reset() { hash_ = kOffsetBasis; }
  // Sixteen lowercase hex digits.
  std::string Hex() const { return ToHex(hash_); }
  static std::string ToHex(std::uint64_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i) {
      text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
      value >>= 4;
    }
    return text;
  }

 private:
  std::uint64_t hash_ = kOffsetBasis;
};

}  // namespace kelmora
