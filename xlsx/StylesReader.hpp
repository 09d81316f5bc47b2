#pragma once
#include "xlsx/SourcePackage.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::model {
class NamedStyles;
class StyleTable;
}

namespace vantor::xlsx {

// Reads the styles part: each format record becomes a model style, interned
// in the workbook's table, and stays in the source with its elements.
class StylesReader {
public:
    // Theme colours in the order the file numbers them (light 1, dark 1, light 2, dark 2,
    // six accents, two link colours).
    StylesReader(SourcePackage& source, model::StyleTable& table, std::vector<uint32_t> theme);

    // The workbook's named styles, which then take the part's cell styles,
    // and which the format records refer to.
    void SetNamedStyles(model::NamedStyles* named) { m_pNamed = named; }
    // Parses the part text into source.styles; refuses malformed XML and
    // references out of range.
    void Read(const std::string& text);
    // The style id of each format record, by record index.
    const std::vector<uint32_t>& StyleIds() const { return m_styleIds; }
    // Whether the record shows numbers as dates.
    const std::vector<bool>& DateFormats() const { return m_dateFormats; }

    const SourcePackage& Source() const { return m_source; }
    uint32_t ColorOf(const pugi::xml_node& color) const;

private:
    void ReadFont(const pugi::xml_node& font, model::Style& style) const;
    void ReadFill(const pugi::xml_node& fill, model::Style& style) const;
    void ReadBorder(const pugi::xml_node& border, model::Style& style, model::BorderLine& right,
                    model::BorderLine& bottom) const;
    void ReadLine(const pugi::xml_node& edge, model::BorderLine& line) const;

    SourcePackage& m_source;
    model::StyleTable& m_table;
    std::vector<uint32_t> m_theme;
    std::vector<uint32_t> m_styleIds;
    std::vector<bool> m_dateFormats;
    model::NamedStyles* m_pNamed = nullptr;
};

} // namespace vantor::xlsx
