// The game's arithmetic. Every formula of the rules is written with these helpers:
// Int floors, Fix truncates toward zero, a real stored into a whole-number field is
// rounded to nearest with ties to even, and 16-bit sums wrap as signed 16-bit values.
#pragma once

#include <cmath>
#include <cstdint>
#include <type_traits>

namespace fief {

// A whole real as a 64-bit number. Values beyond 64 bits saturate and NaN gives 0: the
// plain conversion would be undefined, and no field is that wide anyway.
inline long long toWhole(double r) {
  if (r >= 9.2e18) return INT64_MAX;
  if (r <= -9.2e18) return INT64_MIN;
  if (!(r == r)) return 0;
  return static_cast<long long>(r);
}

inline long long Int(double x) { return toWhole(std::floor(x)); }
inline long long Fix(double x) { return toWhole(std::trunc(x)); }

// Round to nearest, ties to even (the default rounding mode of the FPU).
inline long long roundEven(double x) { return toWhole(std::nearbyint(x)); }

// Wrap a whole number to a field's width (two's complement, as the hardware stores it).
template <typename T>
inline T wrapTo(long long v) {
  static_assert(std::is_integral_v<T>);
  return static_cast<T>(static_cast<std::make_unsigned_t<T>>(static_cast<unsigned long long>(v)));
}
inline int16_t wrap16(long long v) { return wrapTo<int16_t>(v); }

// Store a value into a field: reals are rounded ties-to-even, then wrapped to the width.
template <typename T>
inline void store(T& field, double v) {
  if constexpr (std::is_floating_point_v<T>) field = static_cast<T>(v);
  else field = wrapTo<T>(roundEven(v));
}
template <typename T>
inline void store(T& field, long long v) {
  if constexpr (std::is_floating_point_v<T>) field = static_cast<T>(v);
  else field = wrapTo<T>(v);
}
template <typename T>
inline void store(T& field, int v) { store(field, static_cast<long long>(v)); }
template <typename T>
inline void store(T& field, long v) { store(field, static_cast<long long>(v)); }

// Add to a field with the field's own wrapping.
template <typename T, typename U>
inline void add(T& field, U delta) {
  if constexpr (std::is_floating_point_v<T> || std::is_floating_point_v<U>)
    store(field, static_cast<double>(field) + static_cast<double>(delta));
  else
    // Summed modulo 2^64: the result is wrapped to the field's width in any case.
    store(field, static_cast<long long>(static_cast<unsigned long long>(static_cast<long long>(field)) +
                                        static_cast<unsigned long long>(static_cast<long long>(delta))));
}

}  // namespace fief
