// Every key of the campaign screen and of the battle window, with what it does: the one
// list the key help screen (KeysFrm, F1) shows.
#pragma once

#include <vector>

#include "ui/form.h"

namespace fief {

enum class KeyWindow { Campaign, Battle };

struct KeyHelpRow {
  KeyWindow window;
  std::vector<Key> keys;  // the keys the row stands for
  const char* keyText;    // how the row names them
  const char* what;
};

const std::vector<KeyHelpRow>& keyHelp();

}  // namespace fief
