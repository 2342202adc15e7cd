// FNV-1a 64 over 32-bit words (each fed as four bytes, little-endian) or raw bytes: the digest the
// headless runner's trace uses to summarise large state.
//
// Feeding a zero byte only multiplies the digest by the prime, so a run of n zero bytes multiplies
// it by the prime's n-th power (mod 2^64). The layers the trace digests are mostly zero, and most
// words it digests are small numbers whose high bytes are zero: SparseBytes and Word feed such
// runs as one multiplication, giving exactly the digest of feeding every byte in turn (Bytes).
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#if defined(__SSE2__) && !defined(KELMORA_NO_PROCESSOR_PATHS)
#include <emmintrin.h>
#endif

namespace kelmora {

namespace hash_detail {

inline constexpr std::uint64_t kPrime = 0x100000001b3ull;

// The prime's powers i * 64^level for i = 0..63 and level = 0..3: any power below 2^24 as the
// product of four entries, one per six bits of the exponent.
inline constexpr std::array<std::array<std::uint64_t, 64>, 4> kPrimePowers = [] {
  std::array<std::array<std::uint64_t, 64>, 4> powers{};
  std::uint64_t base = kPrime;
  for (auto& level : powers) {
    std::uint64_t power = 1;
    for (auto& entry : level) {
      entry = power;
      power *= base;
    }
    base = power;  // base^64: the next level's base
  }
  return powers;
}();

constexpr std::uint64_t Step(std::uint64_t h, std::uint8_t byte) {
  return (h ^ byte) * kPrime;
}

inline std::uint64_t Load8(const std::uint8_t* bytes) {
  std::uint64_t eight;
  std::memcpy(&eight, bytes, sizeof eight);
  return eight;
}

}  // namespace hash_detail

// The same as NonZeroBytes64, eight bytes at a time in ordinary integers: the top bit of each
// byte of `high` says whether that byte is non-zero, and one multiplication gathers the eight top
// bits into one byte.
inline std::uint64_t NonZeroBytes64Plain(const std::uint8_t* bytes) {
  constexpr std::uint64_t kLow7 = 0x7f7f7f7f7f7f7f7full;
  std::uint64_t mask = 0;
  for (int i = 0; i < 8; ++i) {
    const std::uint64_t eight = hash_detail::Load8(bytes + 8 * i);
    const std::uint64_t high = (((eight & kLow7) + kLow7) | eight) & ~kLow7;
    mask |= (((high >> 7) * 0x0102040810204080ull) >> 56) << (8 * i);
  }
  return mask;
}

// One bit per byte of the 64 from `bytes`, bit i set when byte i is not zero.
inline std::uint64_t NonZeroBytes64(const std::uint8_t* bytes) {
#if defined(__SSE2__) && !defined(KELMORA_NO_PROCESSOR_PATHS)
  const __m128i zero = _mm_setzero_si128();
  std::uint64_t zeros = 0;
  for (int i = 0; i < 4; ++i) {
    const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * i));
    const auto mask = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(sixteen, zero)));
    zeros |= static_cast<std::uint64_t>(mask) << (16 * i);
  }
  return ~zeros;
#else
  return NonZeroBytes64Plain(bytes);
#endif
}

class Fnv1a64 {
 public:
  static constexpr std::uint64_t kOffsetBasis = 0xcbf29ce484222325ull;
  static constexpr std::uint64_t kPrime = hash_detail::kPrime;

  Fnv1a64() = default;
  // Continues a digest whose value so far is `value`.
  explicit Fnv1a64(std::uint64_t value) : hash_(value) {}

  void Byte(std::uint8_t byte) { hash_ = hash_detail::Step(hash_, byte); }
  // Every byte in turn.
  void Bytes(const std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) Byte(bytes[i]);
  }
  // The same digest as Bytes, with runs of zero bytes found 64 and 8 bytes at a time.
  void SparseBytes(const std::uint8_t* bytes, std::size_t count);
  // As `count` zero bytes.
  void Zeros(std::size_t count) { hash_ *= PrimePower(count); }
  // Four bytes, low byte first; the zero bytes above the highest non-zero one as one
  // multiplication.
  void Word(std::uint32_t word) {
    if (word <= 0xFFu) {
      hash_ = (hash_ ^ word) * hash_detail::kPrimePowers[0][4];
      return;
    }
    Byte(static_cast<std::uint8_t>(word));
    if (word <= 0xFFFFu) {
      hash_ = (hash_ ^ (word >> 8)) * hash_detail::kPrimePowers[0][3];
      return;
    }
    Byte(static_cast<std::uint8_t>(word >> 8));
    Byte(static_cast<std::uint8_t>(word >> 16));
    Byte(static_cast<std::uint8_t>(word >> 24));
  }
  void Int(std::int32_t value) { Word(static_cast<std::uint32_t>(value)); }
  void Float(float value) { Word(std::bit_cast<std::uint32_t>(value)); }

  // The prime's n-th power mod 2^64: the digest's factor for n zero bytes.
  static constexpr std::uint64_t PrimePower(std::size_t n) {
    const auto& powers = hash_detail::kPrimePowers;
    std::uint64_t power = (powers[0][n % 64] * powers[1][(n >> 6) % 64]) *
                          (powers[2][(n >> 12) % 64] * powers[3][(n >> 18) % 64]);
    // Beyond 2^24 bytes: the rest of the exponent a power of 2^24 at a time.
    for (n >>= 24; n != 0; --n) power *= kPrimePowerOf2To24;
    return power;
  }

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
  static constexpr std::uint64_t kPrimePowerOf2To24 =
      hash_detail::kPrimePowers[3][63] * hash_detail::kPrimePowers[3][1];

  std::uint64_t hash_ = kOffsetBasis;
};

// An FNV-1a digest of mostly zero bytes, fed eight at a time: zero bytes are counted and fed as
// one multiplication just before the next non-zero byte. Being a value of its own, several can be
// fed side by side in one loop, so that the processor works on their chains of multiplications
// at the same time.
class SparseFnv1a64 {
 public:
  explicit SparseFnv1a64(std::uint64_t value = Fnv1a64::kOffsetBasis) : hash_(value) {}

  // Whether the 64 bytes from `bytes` are all zero.
  static bool AllZero64(const std::uint8_t* bytes) {
    using hash_detail::Load8;
    return ((Load8(bytes) | Load8(bytes + 8)) | (Load8(bytes + 16) | Load8(bytes + 24)) |
            (Load8(bytes + 32) | Load8(bytes + 40)) | (Load8(bytes + 48) | Load8(bytes + 56))) == 0;
  }

  void Zeros(std::size_t count) { zeros_ += count; }
  // The eight bytes from `bytes`: all zero, counted; otherwise fed one by one after the zeros
  // before them (quicker than singling out the zero bytes among them, which costs the processor
  // more wrong guesses than it saves multiplications).
  void Eight(const std::uint8_t* bytes) {
    if (hash_detail::Load8(bytes) == 0) {
      zeros_ += 8;
      return;
    }
    FeedZeros();
    for (std::size_t j = 0; j < 8; ++j) hash_ = hash_detail::Step(hash_, bytes[j]);
  }
  // The 64 bytes from `bytes`, whose non-zero ones are the set bits of `nonZero` (bit i for byte
  // i): only those are fed, each as one multiplication by the power of the prime that covers the
  // zero bytes before it.
  void Masked64(const std::uint8_t* bytes, std::uint64_t nonZero) {
    if (nonZero == 0) {
      zeros_ += 64;
      return;
    }
    int last = std::countr_zero(nonZero);
    hash_ = (hash_ * Fnv1a64::PrimePower(zeros_ + static_cast<std::size_t>(last))) ^ bytes[last];
    for (nonZero &= nonZero - 1; nonZero != 0; nonZero &= nonZero - 1) {
      const int next = std::countr_zero(nonZero);
      hash_ = (hash_ * hash_detail::kPrimePowers[0][static_cast<std::size_t>(next - last)]) ^
              bytes[next];
      last = next;
    }
    // The last byte's own multiplication is still to come, with the zeros after it.
    zeros_ = static_cast<std::size_t>(64 - last);
  }
  // Any number of bytes.
  void Bytes(const std::uint8_t* bytes, std::size_t count) {
    std::size_t i = 0;
    while (count - i >= 8) {
      if (count - i >= 64 && AllZero64(bytes + i)) {
        zeros_ += 64;
        i += 64;
        continue;
      }
      Eight(bytes + i);
      i += 8;
    }
    for (; i < count; ++i) {
      if (bytes[i] == 0) {
        ++zeros_;
      } else {
        FeedZeros();
        hash_ = hash_detail::Step(hash_, bytes[i]);
      }
    }
  }
  // The digest of everything fed so far.
  std::uint64_t Value() {
    FeedZeros();
    return hash_;
  }

 private:
  void FeedZeros() {
    hash_ *= Fnv1a64::PrimePower(zeros_);
    zeros_ = 0;
  }

  std::uint64_t hash_;
  std::size_t zeros_ = 0;
};

// The digest of a sequence of words, each fed by Word from the offset basis.
inline std::uint64_t HashWords(std::span<const std::uint32_t> words) {
  Fnv1a64 hash;
  for (const std::uint32_t word : words) hash.Word(word);
  return hash.Value();
}

// The digests of N sequences of words, each fed by Word from the offset basis, worked out side
// by side: each digest is one chain of multiplications, and the processor works on all N at once
// for as long as any sequence has words left.
template <std::size_t N>
std::array<std::uint64_t, N> HashWordsSideBySide(
    const std::array<std::span<const std::uint32_t>, N>& words) {
  std::size_t longest = 0;
  for (const auto& stream : words) longest = stream.size() > longest ? stream.size() : longest;
  std::array<Fnv1a64, N> hashes;
  for (std::size_t i = 0; i < longest; ++i) {
    for (std::size_t s = 0; s < N; ++s) {
      if (i < words[s].size()) hashes[s].Word(words[s][i]);
    }
  }
  std::array<std::uint64_t, N> values{};
  for (std::size_t s = 0; s < N; ++s) values[s] = hashes[s].Value();
  return values;
}

inline void Fnv1a64::SparseBytes(const std::uint8_t* bytes, std::size_t count) {
  SparseFnv1a64 sparse(hash_);
  sparse.Bytes(bytes, count);
  hash_ = sparse.Value();
}

}  // namespace kelmora
