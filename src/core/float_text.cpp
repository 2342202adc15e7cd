#include "core/float_text.h"

#include <bit>
#include <cstdint>

namespace kelmora {

namespace {

// The digits come from the float's rounding interval scaled by a power of ten, worked out with
// 64-bit multipliers: 2^(bits(5^i) - 1 + 59) / 5^i rounded up, and 5^i / 2^(bits(5^i) - 61)
// rounded down, where bits(5^i) is the bit length of 5^i (1 for i = 0).
constexpr int kInverseBits = 59;
constexpr int kPowerBits = 61;

constexpr std::uint64_t kInverseFive[31] = {
    576460752303423489u, 461168601842738791u, 368934881474191033u, 295147905179352826u,
    472236648286964522u, 377789318629571618u, 302231454903657294u, 483570327845851670u,
    386856262276681336u, 309485009821345069u, 495176015714152110u, 396140812571321688u,
    316912650057057351u, 507060240091291761u, 405648192073033409u, 324518553658426727u,
    519229685853482763u, 415383748682786211u, 332306998946228969u, 531691198313966350u,
    425352958651173080u, 340282366920938464u, 544451787073501542u, 435561429658801234u,
    348449143727040987u, 557518629963265579u, 446014903970612463u, 356811923176489971u,
    570899077082383953u, 456719261665907162u, 365375409332725730u,
};

constexpr std::uint64_t kFive[48] = {
    1152921504606846976u, 1441151880758558720u, 1801439850948198400u, 2251799813685248000u,
    1407374883553280000u, 1759218604441600000u, 2199023255552000000u, 1374389534720000000u,
    1717986918400000000u, 2147483648000000000u, 1342177280000000000u, 1677721600000000000u,
    2097152000000000000u, 1310720000000000000u, 1638400000000000000u, 2048000000000000000u,
    1280000000000000000u, 1600000000000000000u, 2000000000000000000u, 1250000000000000000u,
    1562500000000000000u, 1953125000000000000u, 1220703125000000000u, 1525878906250000000u,
    1907348632812500000u, 1192092895507812500u, 1490116119384765625u, 1862645149230957031u,
    1164153218269348144u, 1455191522836685180u, 1818989403545856475u, 2273736754432320594u,
    1421085471520200371u, 1776356839400250464u, 2220446049250313080u, 1387778780781445675u,
    1734723475976807094u, 2168404344971008868u, 1355252715606880542u, 1694065894508600678u,
    2117582368135750847u, 1323488980084844279u, 1654361225106055349u, 2067951531382569187u,
    1292469707114105741u, 1615587133892632177u, 2019483917365790221u, 1262177448353618888u,
};

// The bit length of 5^e for e >= 1, and 1 for e = 0.
constexpr int Pow5Bits(int e) {
  return static_cast<int>((static_cast<std::uint32_t>(e) * 1217359u) >> 19) + 1;
}

// floor(e * log10(2)) and floor(e * log10(5)) for the exponents a float can have.
constexpr int Log10Pow2(int e) {
  return static_cast<int>((static_cast<std::uint32_t>(e) * 78913u) >> 18);
}
constexpr int Log10Pow5(int e) {
  return static_cast<int>((static_cast<std::uint32_t>(e) * 732923u) >> 20);
}

constexpr int Pow5Factor(std::uint32_t value) {
  int count = 0;
  while (value % 5 == 0) {
    value /= 5;
    ++count;
  }
  return count;
}

constexpr bool MultipleOfPow5(std::uint32_t value, int p) {
  return Pow5Factor(value) >= p;
}

constexpr bool MultipleOfPow2(std::uint32_t value, int p) {
  return (value & ((1u << p) - 1)) == 0;
}

// (m * factor) >> shift, for shift > 32 and a result that fits in 32 bits.
constexpr std::uint32_t MulShift(std::uint32_t m, std::uint64_t factor, int shift) {
  const auto low = static_cast<std::uint32_t>(factor);
  const auto high = static_cast<std::uint32_t>(factor >> 32);
  const std::uint64_t bits0 = static_cast<std::uint64_t>(m) * low;
  const std::uint64_t bits1 = static_cast<std::uint64_t>(m) * high;
  const std::uint64_t sum = (bits0 >> 32) + bits1;
  return static_cast<std::uint32_t>(sum >> (shift - 32));
}

struct Decimal {
  std::uint32_t digits;  // the significant digits as a whole number
  int exponent;          // the value is digits * 10^exponent
};

// The shortest digits of a finite, nonzero float given by its biased exponent and fraction bits.
Decimal ShortestDigits(std::uint32_t fraction, std::uint32_t biased) {
  int e2 = 0;
  std::uint32_t m2 = 0;
  if (biased == 0) {
    e2 = 1 - 127 - 23 - 2;
    m2 = fraction;
  } else {
    e2 = static_cast<int>(biased) - 127 - 23 - 2;
    m2 = (1u << 23) | fraction;
  }
  const bool even = (m2 & 1) == 0;
  const bool acceptBounds = even;

  // The value and the ends of its rounding interval, times 4.
  const std::uint32_t mv = 4 * m2;
  const std::uint32_t mp = 4 * m2 + 2;
  const std::uint32_t mmShift = (fraction != 0 || biased <= 1) ? 1 : 0;
  const std::uint32_t mm = 4 * m2 - 1 - mmShift;

  std::uint32_t vr = 0, vp = 0, vm = 0;
  int e10 = 0;
  bool vmIsTrailingZeros = false;
  bool vrIsTrailingZeros = false;
  std::uint8_t lastRemovedDigit = 0;
  if (e2 >= 0) {
    const int q = Log10Pow2(e2);
    e10 = q;
    const int k = kInverseBits + Pow5Bits(q) - 1;
    const int i = -e2 + q + k;
    vr = MulShift(mv, kInverseFive[q], i);
    vp = MulShift(mp, kInverseFive[q], i);
    vm = MulShift(mm, kInverseFive[q], i);
    if (q != 0 && (vp - 1) / 10 <= vm / 10) {
      // One removed digit is needed even when the loop below removes none.
      const int l = kInverseBits + Pow5Bits(q - 1) - 1;
      lastRemovedDigit =
          static_cast<std::uint8_t>(MulShift(mv, kInverseFive[q - 1], -e2 + q - 1 + l) % 10);
    }
    if (q <= 9) {
      // Only one of mp, mv and mm can be a multiple of 5, if any.
      if (mv % 5 == 0) {
        vrIsTrailingZeros = MultipleOfPow5(mv, q);
      } else if (acceptBounds) {
        vmIsTrailingZeros = MultipleOfPow5(mm, q);
      } else {
        vp -= MultipleOfPow5(mp, q) ? 1 : 0;
      }
    }
  } else {
    const int q = Log10Pow5(-e2);
    e10 = q + e2;
    const int i = -e2 - q;
    const int k = Pow5Bits(i) - kPowerBits;
    int j = q - k;
    vr = MulShift(mv, kFive[i], j);
    vp = MulShift(mp, kFive[i], j);
    vm = MulShift(mm, kFive[i], j);
    if (q != 0 && (vp - 1) / 10 <= vm / 10) {
      j = q - 1 - (Pow5Bits(i + 1) - kPowerBits);
      lastRemovedDigit = static_cast<std::uint8_t>(MulShift(mv, kFive[i + 1], j) % 10);
    }
    if (q <= 1) {
      // mv has at least q trailing zero bits; mp = mv + 2 has exactly one.
      vrIsTrailingZeros = true;
      if (acceptBounds) {
        vmIsTrailingZeros = mmShift == 1;
      } else {
        --vp;
      }
    } else if (q < 31) {
      vrIsTrailingZeros = MultipleOfPow2(mv, q - 1);
    }
  }

  // Remove the digits that the whole interval shares no more, rounding the value's own digits.
  int removed = 0;
  std::uint32_t output = 0;
  if (vmIsTrailingZeros || vrIsTrailingZeros) {
    while (vp / 10 > vm / 10) {
      vmIsTrailingZeros &= vm % 10 == 0;
      vrIsTrailingZeros &= lastRemovedDigit == 0;
      lastRemovedDigit = static_cast<std::uint8_t>(vr % 10);
      vr /= 10;
      vp /= 10;
      vm /= 10;
      ++removed;
    }
    if (vmIsTrailingZeros) {
      while (vm % 10 == 0) {
        vrIsTrailingZeros &= lastRemovedDigit == 0;
        lastRemovedDigit = static_cast<std::uint8_t>(vr % 10);
        vr /= 10;
        vp /= 10;
        vm /= 10;
        ++removed;
      }
    }
    if (vrIsTrailingZeros && lastRemovedDigit == 5 && vr % 2 == 0) {
      lastRemovedDigit = 4;  // exactly halfway: round to even
    }
    const bool up = (vr == vm && (!acceptBounds || !vmIsTrailingZeros)) || lastRemovedDigit >= 5;
    output = vr + (up ? 1 : 0);
  } else {
    while (vp / 10 > vm / 10) {
      lastRemovedDigit = static_cast<std::uint8_t>(vr % 10);
      vr /= 10;
      vp /= 10;
      vm /= 10;
      ++removed;
    }
    output = vr + ((vr == vm || lastRemovedDigit >= 5) ? 1 : 0);
  }
  return {output, e10 + removed};
}

int DigitCount(std::uint64_t value) {
  int count = 1;
  while (value >= 10) {
    value /= 10;
    ++count;
  }
  return count;
}

// Writes value's decimal digits, count of them, at out.
void WriteDigits(std::uint64_t value, int count, char* out) {
  for (int i = count - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
}

std::size_t Copy(const char* text, char* out) {
  std::size_t n = 0;
  while (text[n] != '\0') {
    out[n] = text[n];
    ++n;
  }
  return n;
}

}  // namespace

std::size_t ShortestFloatText(float value, char* out) {
  const auto bits = std::bit_cast<std::uint32_t>(value);
  const bool negative = (bits >> 31) != 0;
  const std::uint32_t biased = (bits >> 23) & 0xFFu;
  const std::uint32_t fraction = bits & 0x7FFFFFu;
  char* p = out;
  if (negative) *p++ = '-';
  if (biased == 0xFF) {
    return static_cast<std::size_t>(p - out) + Copy(fraction != 0 ? "nan" : "inf", p);
  }
  if (biased == 0 && fraction == 0) {
    *p++ = '0';
    return static_cast<std::size_t>(p - out);
  }

  const Decimal d = ShortestDigits(fraction, biased);
  const int length = DigitCount(d.digits);
  const int scientific = d.exponent + length - 1;  // the exponent of d.ddd
  const int scientificLength =
      length + (length > 1 ? 1 : 0) + 2 + (scientific <= -100 || scientific >= 100 ? 3 : 2);
  int plainLength = 0;
  if (d.exponent >= 0) {
    plainLength = length + d.exponent;
  } else if (scientific >= 0) {
    plainLength = length + 1;
  } else {
    plainLength = 2 - d.exponent;  // "0." then zeros then the digits
  }

  if (plainLength <= scientificLength) {
    if (d.exponent > 0) {
      // A whole number: written exactly rather than as the digits followed by zeros.
      const std::uint64_t mantissa = (1u << 23) | fraction;
      const int shift = static_cast<int>(biased) - 150;
      const std::uint64_t whole = shift >= 0 ? mantissa << shift : mantissa >> -shift;
      const int count = DigitCount(whole);
      WriteDigits(whole, count, p);
      p += count;
    } else if (d.exponent == 0) {
      WriteDigits(d.digits, length, p);
      p += length;
    } else if (scientific >= 0) {
      const int whole = scientific + 1;
      char digits[10];
      WriteDigits(d.digits, length, digits);
      for (int i = 0; i < whole; ++i) *p++ = digits[i];
      *p++ = '.';
      for (int i = whole; i < length; ++i) *p++ = digits[i];
    } else {
      *p++ = '0';
      *p++ = '.';
      for (int i = 0; i < -scientific - 1; ++i) *p++ = '0';
      WriteDigits(d.digits, length, p);
      p += length;
    }
    return static_cast<std::size_t>(p - out);
  }

  char digits[10];
  WriteDigits(d.digits, length, digits);
  *p++ = digits[0];
  if (length > 1) {
    *p++ = '.';
    for (int i = 1; i < length; ++i) *p++ = digits[i];
  }
  *p++ = 'e';
  *p++ = scientific < 0 ? '-' : '+';
  const int magnitude = scientific < 0 ? -scientific : scientific;
  const int count = magnitude >= 100 ? 3 : 2;
  WriteDigits(static_cast<std::uint64_t>(magnitude), count, p);
  p += count;
  return static_cast<std::size_t>(p - out);
}

}  // namespace kelmora
