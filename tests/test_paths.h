// Where the test programs find the program folder, the checkout and the build folder.
// The paths are compiled into one small object of their own (tests/test_paths.cpp): the
// test sources never hold them, so a checkout in another folder compiles them to the same
// objects and ccache shares them. Every test program is compiled with this header
// included first (-include).
#pragma once

namespace fief::test_paths {
const char* gameDir();
const char* sourceDir();
const char* binaryDir();
}  // namespace fief::test_paths

#define FIEFDOM_GAME_DIR (::fief::test_paths::gameDir())
#define FIEFDOM_SOURCE_DIR (::fief::test_paths::sourceDir())
#define FIEFDOM_BINARY_DIR (::fief::test_paths::binaryDir())
