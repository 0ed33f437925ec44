#include "campaign/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace fief {

namespace {

std::string why(int e) { return std::strerror(e); }

// Closes a descriptor when it leaves scope.
struct Fd {
  int fd;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

bool readFile(const std::string& path, std::vector<uint8_t>& out, std::string& err, size_t maxSize) {
  // O_NONBLOCK: opening a FIFO with no writer would otherwise wait for one for ever.
  Fd f{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  if (f.fd < 0) {
    err = "cannot open " + path + ": " + why(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(f.fd, &st) != 0) {
    err = "cannot read " + path + ": " + why(errno);
    return false;
  }
  if (S_ISDIR(st.st_mode)) {
    err = "cannot read " + path + ": it is a folder, not a file";
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    err = "cannot read " + path + ": it is not a regular file";
    return false;
  }
  if (static_cast<unsigned long long>(st.st_size) > maxSize) {
    err = "cannot read " + path + ": it is " + std::to_string(st.st_size) + " bytes long, more than the " +
          std::to_string(maxSize) + " bytes such a file can hold";
    return false;
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(st.st_size));
  size_t got = 0;
  while (true) {
    // A file that grows while it is read is cut at the limit and refused below.
    if (got == bytes.size()) bytes.resize(std::min(maxSize + 1, bytes.size() + 4096));
    if (got == bytes.size()) break;
    ssize_t n = ::read(f.fd, bytes.data() + got, bytes.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      err = "cannot read " + path + ": " + why(errno);
      return false;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  if (got > maxSize) {
    err = "cannot read " + path + ": it is more than the " + std::to_string(maxSize) + " bytes such a file can hold";
    return false;
  }
  bytes.resize(got);
  out = std::move(bytes);
  return true;
}

bool writeFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes, std::string& err) {
  // No path: the game has nowhere to keep the player's files (Folders::locate).
  if (path.empty()) {
    err = "cannot write the file: the game has no folder for your saved games and options";
    return false;
  }
  const std::string tmp = path + ".tmp";
  int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    err = "cannot write " + path + ": " + why(errno);
    return false;
  }
  auto failed = [&](int e) {
    ::close(fd);
    ::unlink(tmp.c_str());
    err = "cannot write " + path + ": " + why(e);
    return false;
  };
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return failed(errno);
    }
    done += static_cast<size_t>(n);
  }
  // A full disk may only show when the data reaches it.
  if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) return failed(errno);
  if (::close(fd) != 0) {
    int e = errno;
    ::unlink(tmp.c_str());
    err = "cannot write " + path + ": " + why(e);
    return false;
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    int e = errno;
    ::unlink(tmp.c_str());
    err = "cannot replace " + path + ": " + why(e);
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
  // A number file is a line of text: anything long is not one.
  if (!readFile(path, bytes, err, 4096)) return false;
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
