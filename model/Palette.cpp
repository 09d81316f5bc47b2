#include "model/Palette.hpp"

#include "vantor/automation/AutomationError.hpp"

#include <array>

namespace vantor::model::palette {

namespace {

// As 0xRRGGBB, in index order.
constexpr std::array<uint32_t, kSize> kRgb = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};

uint32_t Swap(uint32_t rgb) {
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

} // namespace

uint32_t ColorOf(int32_t index) {
    if (index < 1 || index > kSize) {
        throw AutomationError(err::SubscriptOutOfRange);
    }
    return Swap(kRgb[static_cast<size_t>(index - 1)]);
}

int32_t NearestIndex(uint32_t color) {
    int32_t best = 1;
    int64_t bestDistance = INT64_MAX;
    for (int32_t i = 1; i <= kSize; ++i) {
        const uint32_t c = ColorOf(i);
        int64_t d = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const int64_t delta = int64_t((c >> shift) & 0xFF) - int64_t((color >> shift) & 0xFF);
            d += delta * delta;
        }
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

} // namespace vantor::model::palette
