// The animation clips of anim/: PNG strips of square frames side by side, shown at ten
// frames a second. A clip's length comes from its picture's header alone, so a screen can
// time a clip without decoding it and without the platform.
#pragma once

#include <string>

namespace fief {

constexpr int kClipFrameMs = 100;  // ten frames a second

// The number of frames of the clip file at `path` (picture width / height, at least 1 and
// at most kMaxClipFrames), or 0 when the file is missing or does not start as a PNG picture.
constexpr int kMaxClipFrames = 100000;  // keeps a damaged header's length within a timer's range
int clipFrames(const std::string& path);

// How long a clip of `frames` frames plays once (ms).
constexpr int clipLengthMs(int frames) { return frames * kClipFrameMs; }

}  // namespace fief
