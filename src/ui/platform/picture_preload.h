// Pictures decoded ahead of need on helper threads. A program knows its first screen
// before it opens its window; decoding that screen's full-screen picture takes about as
// long as starting the window system, so both run at once and the first frame comes
// sooner. Only decoding runs on the helpers: textures are made on the main thread.
#pragma once

#include <SDL.h>

#include <future>
#include <map>
#include <string>
#include <vector>

namespace fief {

// True when every pixel of the picture is fully opaque (such pictures are copied
// without blending).
bool surfaceIsOpaque(SDL_Surface* s);

class PicturePreload {
 public:
  PicturePreload() = default;
  PicturePreload(const PicturePreload&) = delete;
  PicturePreload& operator=(const PicturePreload&) = delete;
  ~PicturePreload() { clear(); }
  // Waits for the helpers and frees what was never taken.
  void clear();

  // Starts decoding these picture files (full paths); files already started are skipped.
  void start(const std::vector<std::string>& paths);
  // Hands over a started file's picture (the caller frees it), waiting for it if needed.
  // False when the file was never started; true with a null surface when it could not
  // be decoded.
  bool take(const std::string& path, SDL_Surface*& surface, bool& opaque);

 private:
  struct Decoded {
    SDL_Surface* surface = nullptr;
    bool opaque = false;
  };
  std::map<std::string, std::future<Decoded>> pending_;
};

}  // namespace fief
