// Sound through SDL2_mixer: the eight named channels of the timer screen are mixer
// channels 0..7, wave files of sounds/ are loaded once and cached, volumes are given as
// attenuations in hundredths of a decibel. Without a device everything is silent and
// nothing else changes.
#pragma once

#include <map>
#include <string>

struct Mix_Chunk;

namespace fief {

class Sound {
 public:
  explicit Sound(std::string programDir);
  ~Sound();
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;

  // The number of output devices (0 with none or the dummy driver). Opens the mixer
  // when there is one.
  int devices() const { return devices_; }

  void play(const std::string& channel, const std::string& file, bool loop);
  void stop(const std::string& channel);
  void setVolume(const std::string& channel, int attenuation);

  // The mixer channel of a named channel (-1 for an unknown name).
  static int channelIndex(const std::string& channel);
  // Attenuation (hundredths of a dB, 0 full .. -10000 silent) to a gain 0..1.
  static double gain(int attenuation);

 private:
  Mix_Chunk* chunk(const std::string& file);
  std::string dir_;
  int devices_ = 0;
  bool open_ = false;
  std::map<std::string, Mix_Chunk*> chunks_;  // null: could not be loaded
};

}  // namespace fief
