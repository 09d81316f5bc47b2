#include "model/FontCatalog.hpp"

#include "vantor/automation/TextFunctions.hpp"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <set>

namespace vantor::model::fonts {

namespace {

std::vector<std::string> QueryFontconfig() {
    std::vector<std::string> families;
    if (!FcInit()) {
        return families;
    }
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(),
                                                                          FcPatternDestroy);
    const std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
        FcObjectSetBuild(FC_FAMILY, nullptr), FcObjectSetDestroy);
    if (!pattern || !objects) {
        return families;
    }
    const std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> set(
        FcFontList(nullptr, pattern.get(), objects.get()), FcFontSetDestroy);
    if (!set) {
        return families;
    }
    for (int i = 0; i < set->nfont; ++i) {
        FcChar8* family = nullptr;
        // A font may name its family in several languages; the first name is its own.
        if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch &&
            family != nullptr) {
            families.emplace_back(reinterpret_cast<const char*>(family));
        }
    }
    return families;
}

} // namespace

std::vector<std::string> InstalledFamilies() {
    return DistinctFamilies(QueryFontconfig());
}

std::vector<std::string> DistinctFamilies(std::vector<std::string> found) {
    if (found.empty()) {
        found = {"DejaVu Sans",     "DejaVu Sans Mono", "DejaVu Serif",
                 "Liberation Mono", "Liberation Sans",  "Liberation Serif"};
    }
    // Sorted by folded case, then exactly; names equal but for case are one family.
    std::vector<std::pair<std::string, std::string>> keyed;
    for (auto& name : found) {
        keyed.emplace_back(FoldCase(name), std::move(name));
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> families;
    std::set<std::string> folded;
    for (auto& [key, name] : keyed) {
        if (folded.insert(key).second) {
            families.push_back(std::move(name));
        }
    }
    return families;
}

std::string ChooseDefaultFont(const std::vector<std::string>& families) {
    for (const char* preferred : {"Liberation Sans", "DejaVu Sans"}) {
        for (const auto& family : families) {
            if (EqualsIgnoreCase(family, preferred)) {
                return family;
            }
        }
    }
    return families.empty() ? std::string("Liberation Sans") : families.front();
}

} // namespace vantor::model::fonts
