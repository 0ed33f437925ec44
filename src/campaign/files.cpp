#include "campaign/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fief {

bool readFile(const std::string& path, std::vector<uint8_t>& out, std::string& err) {
  std::ifstream f(path, std::ios::binary);
  if (!f) {
    err = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  out.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  if (f.bad()) {
    err = "cannot read " + path;
    return false;
  }
  return true;
}

bool writeFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes, std::string& err) {
  std::string tmp = path + ".tmp";
  {
    std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
    if (!f) {
      err = "cannot write " + path + ": " + std::strerror(errno);
      return false;
    }
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    f.flush();
    if (!f) {
      err = "cannot write " + path;
      std::remove(tmp.c_str());
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(tmp, path, ec);
  if (ec) {
    err = "cannot replace " + path + ": " + ec.message();
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}

std::vector<uint8_t> encodeNumber(long value) {
  std::string s = std::to_string(value) + "\r\n";
  return {s.begin(), s.end()};
}

bool decodeNumber(const std::vector<uint8_t>& bytes, long& value) {
  std::string s(bytes.begin(), bytes.end());
  size_t i = s.find_first_not_of(" \t\r\n");
  if (i == std::string::npos) return false;
  size_t j = i;
  if (s[j] == '-' || s[j] == '+') ++j;
  size_t digits = j;
  while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
  if (j == digits || j - digits > 9) return false;
  value = std::stol(s.substr(i, j - i));
  return true;
}

bool readNumberFile(const std::string& path, long& value, std::string& err) {
  std::vector<uint8_t> bytes;
  if (!readFile(path, bytes, err)) return false;
  if (!decodeNumber(bytes, value)) {
    err = path + " does not hold a number";
    return false;
  }
  return true;
}

bool writeNumberFile(const std::string& path, long value, std::string& err) {
  return writeFileAtomic(path, encodeNumber(value), err);
}

}  // namespace fief
