#include "campaign/option_files.h"

#include <filesystem>

#include "campaign/files.h"
#include "state/record_io.h"

namespace fief {

void OptimSettings::displaySize(int& w, int& h) const {
  switch (DisplayMode) {
    case 0: w = 800; h = 600; break;
    case 2: w = 1280; h = 960; break;
    case 3: w = 1280; h = 1024; break;
    default: w = 1024; h = 768; break;
  }
}

namespace {

// The settings record in its order, for both directions.
template <class IO>
void optimRecord(IO& io, OptimSettings& o) {
  for (auto& v : o.Words) io.i16(v);
  io.u8(o.DisplayMode);
  io.u8(o.ColourDepth);
  io.u8(o.DisplayOption);
  io.i16(o.Word10);
  io.u8(o.Option21);
  io.u8(o.Option22);
}

// The in-game options record in its order, for both directions.
template <class IO>
void advancedRecord(IO& io, AdvancedSettings& a) {
  for (Flag* f : {&a.MapAnimation, &a.DeleteMessagesOption, &a.MessageSoundOff, &a.ShowTroopers, &a.NoMovesMarkerOption,
                  &a.Tooltips, &a.AutoCalcOption, &a.Music, &a.AutoSaveOption, &a.AnimatedSprites})
    io.i16(*f);
  io.i16(a.MusicAttenuation);
  io.i16(a.SoundAttenuation);
  io.u8(a.MusicVolume);
  io.u8(a.SoundVolume);
}

}  // namespace

std::vector<uint8_t> encodeOptim(const OptimSettings& o) {
  RecordWriter out;
  OptimSettings v = o;
  optimRecord(out, v);
  return out.w.take();
}

bool decodeOptim(const std::vector<uint8_t>& bytes, OptimSettings& out, std::string& err) {
  if (bytes.size() < kOptimSize) {
    err = "the settings record is " + std::to_string(bytes.size()) + " bytes long, it needs " + std::to_string(kOptimSize);
    return false;
  }
  RecordReader in{ByteReader(bytes.data(), kOptimSize)};
  OptimSettings o;
  optimRecord(in, o);
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
  RecordWriter out;
  AdvancedSettings v = a;
  advancedRecord(out, v);
  return out.w.take();
}

bool decodeAdvanced(const std::vector<uint8_t>& bytes, AdvancedSettings& out, std::string& err) {
  if (bytes.size() < kAdvancedSize) {
    err = "the options record is " + std::to_string(bytes.size()) + " bytes long, it needs " + std::to_string(kAdvancedSize);
    return false;
  }
  RecordReader in{ByteReader(bytes.data(), kAdvancedSize)};
  AdvancedSettings a;
  advancedRecord(in, a);
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
