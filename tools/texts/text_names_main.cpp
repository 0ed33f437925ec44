// Writes the header of named text entries during the build, before the game's code that
// includes it is compiled (fiefdom-tool itself is built from that code, so the build uses
// this small program; `fiefdom-tool loc names` does the same by hand).
//   fiefdom-text-names OUT.h SOURCE.txt...
#include <cstdio>

#include "texts/text_names.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: fiefdom-text-names OUT.h SOURCE.txt...\n");
    return 2;
  }
  std::vector<std::string> sources(argv + 2, argv + argc);
  std::string err;
  if (!fief::textnames::writeNamesHeader(sources, argv[1], err)) {
    std::fprintf(stderr, "fiefdom-text-names: %s\n", err.c_str());
    return 1;
  }
  return 0;
}
