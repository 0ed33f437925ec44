// The paths of tests/test_paths.h, given by the build.
namespace fief::test_paths {
const char* gameDir() { return FIEFDOM_GAME_PATH; }
const char* sourceDir() { return FIEFDOM_SOURCE_PATH; }
const char* binaryDir() { return FIEFDOM_BINARY_PATH; }
}  // namespace fief::test_paths
