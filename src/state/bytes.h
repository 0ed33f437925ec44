// Little-endian byte writer and reader shared by the binary file codecs. The reader
// never reads past its end: it records the shortfall and returns zeros, so a codec
// checks ok() once after decoding a whole record.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace fief {

class ByteWriter {
 public:
  void u8(uint8_t v) { buf_.push_back(v); }
  void i16(int16_t v) { u16(static_cast<uint16_t>(v)); }
  void u16(uint16_t v) { u8(v & 0xFF); u8(v >> 8); }
  void i32(int32_t v) {
    auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) u8((u >> (8 * i)) & 0xFF);
  }
  void f32(float v) {
    uint32_t u;
    std::memcpy(&u, &v, 4);
    i32(static_cast<int32_t>(u));
  }
  void bytes(const std::string& s) { buf_.insert(buf_.end(), s.begin(), s.end()); }
  const std::vector<uint8_t>& data() const { return buf_; }
  std::vector<uint8_t> take() { return std::move(buf_); }
  size_t size() const { return buf_.size(); }

 private:
  std::vector<uint8_t> buf_;
};

class ByteReader {
 public:
  ByteReader(const uint8_t* p, size_t n) : p_(p), n_(n) {}
  explicit ByteReader(const std::vector<uint8_t>& v) : p_(v.data()), n_(v.size()) {}
  uint8_t u8() { return pos_ < n_ ? p_[pos_++] : (short_ = true, 0); }
  uint16_t u16() { uint16_t lo = u8(); return static_cast<uint16_t>(lo | (u8() << 8)); }
  int16_t i16() { return static_cast<int16_t>(u16()); }
  int32_t i32() {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(u8()) << (8 * i);
    return static_cast<int32_t>(u);
  }
  float f32() {
    uint32_t u = static_cast<uint32_t>(i32());
    float f;
    std::memcpy(&f, &u, 4);
    return f;
  }
  std::string bytes(size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s.push_back(static_cast<char>(u8()));
    return s;
  }
  bool ok() const { return !short_; }
  size_t pos() const { return pos_; }
  size_t remaining() const { return pos_ < n_ ? n_ - pos_ : 0; }

 private:
  const uint8_t* p_;
  size_t n_;
  size_t pos_ = 0;
  bool short_ = false;
};

}  // namespace fief
