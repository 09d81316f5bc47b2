#pragma once
#include "model/Style.hpp"
#include "xlsx/SourcePackage.hpp"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace vantor::model {
class StyleTable;
}

namespace vantor::xlsx {

// Builds the styles part of a save: each cell's format record comes from its
// model style and the lines of its right and bottom edges. A record read from
// the file is written from its elements, so what the model does not hold
// (and a colour nobody changed, theme and tint included) goes back as it was.
class StylesWriter {
public:
    StylesWriter(const SourcePackage* source, const model::StyleTable& table);

    // The index of the format record for a cell of this style with these right and bottom lines.
    uint32_t FormatOf(uint32_t styleId, const model::BorderLine& right,
                      const model::BorderLine& bottom);
    // The styles part.
    std::string Text() const;

private:
    std::string FontText(const model::Style& style, const SourceFormat* from) const;
    std::string FillText(const model::Style& style, const SourceFormat* from) const;
    std::string BorderText(const model::Style& style, const model::BorderLine& right,
                           const model::BorderLine& bottom, const SourceFormat* from) const;
    std::string ColorText(const char* element, uint32_t color, const pugi::xml_node& sourceColor) const;
    int64_t NumberFormatId(const std::string& code);
    uint32_t Index(std::vector<std::string>& list, std::unordered_map<std::string, uint32_t>& index,
                   std::string text);
    std::string StyleFormatText(const pugi::xml_node& xf);

    const SourcePackage* m_pSource;
    const model::StyleTable& m_table;
    uint32_t m_resolvedDefault; // the model style record 0 maps to
    std::vector<std::string> m_fonts, m_fills, m_borders, m_formats, m_styleFormats;
    std::unordered_map<std::string, uint32_t> m_fontIndex, m_fillIndex, m_borderIndex, m_formatIndex;
    std::vector<std::pair<int64_t, std::string>> m_numberFormats; // custom ones, in id order
    std::unordered_map<std::string, int64_t> m_numberFormatIds;
    int64_t m_nextNumberFormatId = 164;
    struct Key {
        uint32_t styleId;
        model::BorderLine right, bottom;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& k) const;
    };
    std::unordered_map<Key, uint32_t, KeyHash> m_keys;
    // The format of each style id without neighbours' borders; kNoFormat until asked.
    static constexpr uint32_t kNoFormat = UINT32_MAX;
    std::vector<uint32_t> m_plainFormats;
};

} // namespace vantor::xlsx
