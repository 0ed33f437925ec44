#include "campaign/option_files.h"

#include <filesystem>

#include "campaign/files.h"
#include "state/bytes.h"

namespace fief {

void OptimSettings::displaySize(int& w, int& h) const {
  switch (DisplayMode) {
    case 0: w = 800; h = 600; break;
    case 2: w = 1280; h = 960; break;
    case 3: w = 1280; h = 1024; break;
    default: w = 1024; h = 768; break;
  }
}

std::vector<uint8_t> encodeOptim(const OptimSettings& o) {
  ByteWriter w;
  for (auto v : o.Words) w.i16(v);
  w.u8(o.DisplayMode);
  w.u8(o.ColourDepth);
  w.u8(o.DisplayOption);
  w.i16(o.Word10);
  w.u8(o.Option21);
  w.u8(o.Option22);
  return w.take();
}

bool decodeOptim(const std::vector<uint8_t>& bytes, OptimSettings& out, std::string& err) {
  if (bytes.size() < kOptimSize) {
    err = "the settings record is " + std::to_string(bytes.size()) + " bytes long, it needs " + std::to_string(kOptimSize);
    return false;
  }
  ByteReader r(bytes.data(), kOptimSize);
  OptimSettings o;
  for (auto& v : o.Words) v = r.i16();
  o.DisplayMode = r.u8();
  o.ColourDepth = r.u8();
  o.DisplayOption = r.u8();
  o.Word10 = r.i16();
  o.Option21 = r.u8();
  o.Option22 = r.u8();
  if (o.DisplayMode > 3) {
    err = "unknown display mode " + std::to_string(o.DisplayMode);
    return false;
  }
  out = o;
  return true;
}

OptimSettings defaultOptim() {
  OptimSettings o;
  o.Words[3] = kTrue;  // a window on the desktop until the player asks for full screen
  return o;
}

std::vector<uint8_t> encodeAdvanced(const AdvancedSettings& a) {
  ByteWriter w;
  for (Flag f : {a.MapAnimation, a.DeleteMessagesOption, a.MessageSoundOff, a.ShowTroopers, a.NoMovesMarkerOption,
                 a.Tooltips, a.AutoCalcOption, a.Music, a.AutoSaveOption, a.AnimatedSprites})
    w.i16(f);
  w.i16(a.MusicAttenuation);
  w.i16(a.SoundAttenuation);
  w.u8(a.MusicVolume);
  w.u8(a.SoundVolume);
  return w.take();
}

bool decodeAdvanced(const std::vector<uint8_t>& bytes, AdvancedSettings& out, std::string& err) {
  if (bytes.size() < kAdvancedSize) {
    err = "the options record is " + std::to_string(bytes.size()) + " bytes long, it needs " + std::to_string(kAdvancedSize);
    return false;
  }
  ByteReader r(bytes.data(), kAdvancedSize);
  AdvancedSettings a;
  for (Flag* f : {&a.MapAnimation, &a.DeleteMessagesOption, &a.MessageSoundOff, &a.ShowTroopers, &a.NoMovesMarkerOption,
                  &a.Tooltips, &a.AutoCalcOption, &a.Music, &a.AutoSaveOption, &a.AnimatedSprites})
    *f = r.i16();
  a.MusicAttenuation = r.i16();
  a.SoundAttenuation = r.i16();
  a.MusicVolume = r.u8();
  a.SoundVolume = r.u8();
  if (a.MusicVolume > 10 || a.SoundVolume > 10 || a.MusicAttenuation > 0 || a.SoundAttenuation > 0 ||
      a.MusicAttenuation < -10000 || a.SoundAttenuation < -10000) {
    err = "the options record holds volumes out of range";
    return false;
  }
  out = a;
  return true;
}

AdvancedSettings defaultAdvanced() {
  AdvancedSettings a;
  a.MapAnimation = kTrue;
  a.DeleteMessagesOption = kTrue;
  a.MessageSoundOff = kFalse;
  a.ShowTroopers = kTrue;
  a.NoMovesMarkerOption = kTrue;
  a.Tooltips = kTrue;
  a.AutoCalcOption = kFalse;
  a.Music = kTrue;
  a.AutoSaveOption = kTrue;
  a.AnimatedSprites = kTrue;
  a.MusicVolume = 7;
  a.MusicAttenuation = -3 * 350;
  a.SoundVolume = 10;
  a.SoundAttenuation = 0;
  return a;
}

bool initOptionFiles(const std::string& dir, std::string& err) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::create_directories(dir + "/Save Game", ec);
  struct File { const char* name; std::vector<uint8_t> bytes; };
  const File files[] = {
      {"Optim.rz", encodeOptim(defaultOptim())},
      {"Advanced.rz", encodeAdvanced(defaultAdvanced())},
      {"Options.rz", encodeNumber(1)},
      {"levelinfo.rz", encodeNumber(15)},
      {"camp.rz", encodeNumber(15)},
      {"LGame.rz", encodeNumber(0)},
  };
  for (const auto& f : files) {
    std::string path = dir + "/" + f.name;
    if (fs::exists(path)) continue;
    if (!writeFileAtomic(path, f.bytes, err)) return false;
  }
  return true;
}

}  // namespace fief
