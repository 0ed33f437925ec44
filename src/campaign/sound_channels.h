// The eight sound channels of the game. Rules name the channel a sound belongs to; the
// shell plays it.
#pragma once

namespace fief {

extern const char* const kChannels[8];
constexpr const char* kMusicChannel = "MusicChanel01";
constexpr const char* kFaunaChannel = "FaunaChanel01";
constexpr const char* kEventChannel = "EnvChanel01";    // turn and event sounds
constexpr const char* kMessageChannel = "EnvChanel02";  // message.wav
constexpr const char* kScreenChannel = "EnvChanel03";   // sounds of the sub-screens
constexpr const char* kMapChannel = "EnvChanel04";      // map objects and walking
constexpr const char* kClickChannel = "ClickChanel01";
constexpr const char* kClickChannel2 = "ClickChanel02";

}  // namespace fief
