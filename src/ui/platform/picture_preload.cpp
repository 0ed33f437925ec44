#include "ui/platform/picture_preload.h"

#include <SDL_image.h>
#include <sys/stat.h>

namespace fief {

bool surfaceIsOpaque(SDL_Surface* s) {
  if (!s->format->Amask) return true;
  SDL_Surface* c = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
  if (!c) return false;
  bool opaque = true;
  SDL_LockSurface(c);
  for (int y = 0; y < c->h && opaque; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(c->pixels) + y * c->pitch);
    for (int x = 0; x < c->w; ++x)
      if ((row[x] >> 24) != 0xFF) {
        opaque = false;
        break;
      }
  }
  SDL_UnlockSurface(c);
  SDL_FreeSurface(c);
  return opaque;
}

void PicturePreload::clear() {
  for (auto& [path, f] : pending_)
    if (SDL_Surface* s = f.get().surface) SDL_FreeSurface(s);
  pending_.clear();
}

void PicturePreload::start(const std::vector<std::string>& paths) {
  // The PNG decoder is set up here, once, before any helper uses it.
  IMG_Init(IMG_INIT_PNG);
  for (const std::string& path : paths) {
    if (pending_.count(path)) continue;
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;  // the renderer reports it
    pending_.emplace(path, std::async(std::launch::async, [path] {
                       Decoded d;
                       d.surface = IMG_Load(path.c_str());
                       if (!d.surface) return d;
                       d.opaque = surfaceIsOpaque(d.surface);
                       // Converted to the renderers' 32-bit layout here too, so that
                       // making the texture on the main thread is a plain copy.
                       const Uint32 want = d.opaque ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_ARGB8888;
                       if (d.surface->format->format != want)
                         if (SDL_Surface* c = SDL_ConvertSurfaceFormat(d.surface, want, 0)) {
                           SDL_FreeSurface(d.surface);
                           d.surface = c;
                         }
                       return d;
                     }));
  }
}

bool PicturePreload::take(const std::string& path, SDL_Surface*& surface, bool& opaque) {
  auto it = pending_.find(path);
  if (it == pending_.end()) return false;
  Decoded d = it->second.get();
  pending_.erase(it);
  surface = d.surface;
  opaque = d.opaque;
  return true;
}

}  // namespace fief
