#pragma once
// Short sound effects synthesized as 16-bit mono WAV files.
#include <string>

int Write_Sound_Effects(const std::string& root);
