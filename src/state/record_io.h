// Two-way records: a codec lists a record's fields once, in their order, in a routine
// templated on the direction (`template <class IO> void record(IO& io, T& v)`), and runs it
// with a RecordWriter to encode and with a RecordReader to decode. Both have the same
// members taking references, so the order and width of every field are written down in one
// place. `IO::kLoading` lets a routine tell the two apart where a field is stored in a
// form of its own.
#pragma once

#include <cstdint>
#include <vector>

#include "state/bytes.h"

namespace fief {

struct RecordWriter {
  ByteWriter w;
  static constexpr bool kLoading = false;
  void u8(const uint8_t& v) { w.u8(v); }
  void u16(const uint16_t& v) { w.u16(v); }
  void i16(const int16_t& v) { w.i16(v); }
  void i32(const int32_t& v) { w.i32(v); }
  void u32(const uint32_t& v) { w.i32(static_cast<int32_t>(v)); }
  void f32(const float& v) { w.f32(v); }
  // A field at the width of its type.
  void field(const uint8_t& v) { u8(v); }
  void field(const uint16_t& v) { u16(v); }
  void field(const int16_t& v) { i16(v); }
  void field(const int32_t& v) { i32(v); }
};

struct RecordReader {
  ByteReader r;
  static constexpr bool kLoading = true;
  void u8(uint8_t& v) { v = r.u8(); }
  void u16(uint16_t& v) { v = r.u16(); }
  void i16(int16_t& v) { v = r.i16(); }
  void i32(int32_t& v) { v = r.i32(); }
  void u32(uint32_t& v) { v = static_cast<uint32_t>(r.i32()); }
  void f32(float& v) { v = r.f32(); }
  void field(uint8_t& v) { u8(v); }
  void field(uint16_t& v) { u16(v); }
  void field(int16_t& v) { i16(v); }
  void field(int32_t& v) { i32(v); }
};

}  // namespace fief
