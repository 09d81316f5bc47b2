#pragma once
#include <cstdint>

// The 56-colour palette behind "ColorIndex". Colours are red + green * 256 +
// blue * 65536.
namespace vantor::model::palette {

constexpr int32_t kSize = 56;

// The colour of index 1 to 56.
uint32_t ColorOf(int32_t index);
// The index whose colour is nearest (the lowest index on a tie).
int32_t NearestIndex(uint32_t color);

} // namespace vantor::model::palette
