// What Emscripten's C++ library of this toolchain still lacks of C++20, given to every file of
// the web build: std::bit_cast, through the compiler's own built-in.
#pragma once

#include <bit>

#if !defined(__cpp_lib_bit_cast)
namespace std {
template <class To, class From>
constexpr To bit_cast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}
}  // namespace std
#endif
