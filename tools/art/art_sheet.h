// Contact sheet of every generated picture, for looking at the whole look at once.
#pragma once
#include <string>

// Renders every picture of <gameDir>/graphics/high (and the animations' first frames) into one PNG.
// Returns 0 on success.
int artSheetMain(const std::string& gameDir, const std::string& outPng);
