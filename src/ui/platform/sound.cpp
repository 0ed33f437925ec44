#include "ui/platform/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "ui/shell.h"

namespace fief {

Sound::Sound(std::string programDir) : dir_(std::move(programDir)) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  const char* driver = SDL_GetCurrentAudioDriver();
  if (!driver || std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "disk") == 0) return;
  int n = SDL_GetNumAudioDevices(0);
  // Some drivers cannot list their devices (-1) but still play on the default one.
  if (n == 0) return;
  if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
    std::fprintf(stderr, "fiefdom: the sound device could not be opened: %s\n", Mix_GetError());
    return;
  }
  open_ = true;
  devices_ = n < 0 ? 1 : n;
  Mix_AllocateChannels(8);
}

Sound::~Sound() {
  if (open_) {
    Mix_HaltChannel(-1);
    for (auto& [n, c] : chunks_)
      if (c) Mix_FreeChunk(c);
    Mix_CloseAudio();
  }
}

int Sound::channelIndex(const std::string& channel) {
  for (int i = 0; i < 8; ++i)
    if (channel == kChannels[i]) return i;
  return -1;
}

double Sound::gain(int attenuation) {
  if (attenuation <= -10000) return 0.0;
  return std::pow(10.0, std::min(attenuation, 0) / 2000.0);
}

Mix_Chunk* Sound::chunk(const std::string& file) {
  auto it = chunks_.find(file);
  if (it != chunks_.end()) return it->second;
  std::string path = dir_ + "/sounds/" + file;
  Mix_Chunk* c = Mix_LoadWAV(path.c_str());
  if (!c) std::fprintf(stderr, "fiefdom: sound %s could not be loaded: %s\n", path.c_str(), Mix_GetError());
  chunks_[file] = c;
  return c;
}

void Sound::play(const std::string& channel, const std::string& file, bool loop) {
  if (!open_) return;
  int ch = channelIndex(channel);
  if (ch < 0) return;
  if (Mix_Chunk* c = chunk(file)) Mix_PlayChannel(ch, c, loop ? -1 : 0);
}

void Sound::stop(const std::string& channel) {
  int ch = channelIndex(channel);
  if (open_ && ch >= 0) Mix_HaltChannel(ch);
}

void Sound::setVolume(const std::string& channel, int attenuation) {
  int ch = channelIndex(channel);
  if (open_ && ch >= 0) Mix_Volume(ch, static_cast<int>(std::lround(gain(attenuation) * MIX_MAX_VOLUME)));
}

}  // namespace fief
