#include "xlsx/StylesWriter.hpp"
#include "vantor/automation/Enumerations.hpp"

#include "model/Constants.hpp"
#include "model/StyleTable.hpp"
#include "xlsx/StyleCodes.hpp"
#include "xlsx/XmlText.hpp"

#include <algorithm>
#include <array>

namespace vantor::xlsx {

using namespace xml;
using model::BorderLine;
using model::kAutoColor;
using model::Style;

namespace {

constexpr const char* kMainNamespace = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

bool SameFont(const Style& a, const Style& b) {
    return a.fontName == b.fontName && a.fontSize == b.fontSize && a.bold == b.bold &&
           a.italic == b.italic && a.strikethrough == b.strikethrough &&
           a.underline == b.underline && a.fontColor == b.fontColor;
}

bool SameFill(const Style& a, const Style& b) {
    return a.pattern == b.pattern && a.interiorColor == b.interiorColor &&
           a.patternColor == b.patternColor;
}

void AppendAttribute(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    AppendEscaped(out, value);
    out += '"';
}

// The attributes of a source element, but for those named.
void AppendAttributesExcept(std::string& out, const pugi::xml_node& node,
                            std::initializer_list<std::string_view> skipped) {
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        if (std::find(skipped.begin(), skipped.end(), LocalName(a.name())) == skipped.end()) {
            AppendAttribute(out, a.name(), a.value());
        }
    }
}

// The source element's children of these names, as they were.
void AppendChildren(std::string& out, const pugi::xml_node& node,
                    std::initializer_list<std::string_view> names) {
    for (pugi::xml_node n = node.first_child(); n; n = n.next_sibling()) {
        if (std::find(names.begin(), names.end(), LocalName(n.name())) != names.end()) {
            out += ToText(n);
        }
    }
}

} // namespace

size_t StylesWriter::KeyHash::operator()(const Key& k) const {
    auto line = [](const BorderLine& l) {
        return (static_cast<size_t>(static_cast<uint32_t>(l.lineStyle)) * 31 +
                static_cast<size_t>(static_cast<uint32_t>(l.weight))) * 0x9E3779B97F4A7C15ull ^
               l.color;
    };
    return (k.styleId * 0x100000001B3ull) ^ line(k.right) ^ (line(k.bottom) << 1);
}

StylesWriter::StylesWriter(const SourcePackage* source, const model::StyleTable& table)
    : m_pSource(source && source->styles.document_element() ? source : nullptr), m_table(table) {
    // The first two fills are reserved by the format.
    m_fills.push_back("<fill><patternFill patternType=\"none\"/></fill>");
    m_fills.push_back("<fill><patternFill patternType=\"gray125\"/></fill>");
    m_fillIndex[m_fills[0]] = 0;
    m_fillIndex[m_fills[1]] = 1;
    if (!m_pSource) {
        const uint32_t font = Index(m_fonts, m_fontIndex, FontText(m_table.Default(), nullptr));
        m_styleFormats.push_back("<xf numFmtId=\"0\" fontId=\"" + std::to_string(font) +
                                 "\" fillId=\"0\" borderId=\"0\"/>");
        return;
    }
    const pugi::xml_node root = m_pSource->styles.document_element();
    for (pugi::xml_node n : Child(root, "numFmts").children()) {
        if (Is(n, "numFmt")) {
            const int64_t id = IntAttr(n, "numFmtId", -1);
            const std::string code = Attr(n, "formatCode").value();
            m_numberFormats.emplace_back(id, code);
            m_numberFormatIds.emplace(code == "General" ? "" : code, id);
            m_nextNumberFormatId = std::max(m_nextNumberFormatId, id + 1);
        }
    }
    for (pugi::xml_node n : Child(root, "cellStyleXfs").children()) {
        if (Is(n, "xf")) {
            m_styleFormats.push_back(StyleFormatText(n));
        }
    }
}

std::string StylesWriter::StyleFormatText(const pugi::xml_node& xf) {
    // The named styles' records refer to fonts, fills and borders by index:
    // the elements they name are added to this part's lists and renumbered.
    const pugi::xml_node root = m_pSource->styles.document_element();
    auto nth = [&](const char* parent, const char* item, int64_t index) {
        int64_t i = 0;
        for (pugi::xml_node n : Child(root, parent).children()) {
            if (Is(n, item) && i++ == index) {
                return n;
            }
        }
        return pugi::xml_node();
    };
    std::string out = "<";
    out += xf.name();
    auto id = [&](const char* attribute, const char* parent, const char* item,
                  std::vector<std::string>& list, std::unordered_map<std::string, uint32_t>& index) {
        const pugi::xml_node element = nth(parent, item, IntAttr(xf, attribute, 0));
        if (element) {
            AppendAttribute(out, attribute, std::to_string(Index(list, index, ToText(element))));
        }
    };
    AppendAttribute(out, "numFmtId", std::to_string(IntAttr(xf, "numFmtId", 0)));
    id("fontId", "fonts", "font", m_fonts, m_fontIndex);
    id("fillId", "fills", "fill", m_fills, m_fillIndex);
    id("borderId", "borders", "border", m_borders, m_borderIndex);
    AppendAttributesExcept(out, xf, {"numFmtId", "fontId", "fillId", "borderId"});
    if (!xf.first_child()) {
        return out + "/>";
    }
    out += '>';
    for (pugi::xml_node n = xf.first_child(); n; n = n.next_sibling()) {
        out += ToText(n);
    }
    return out + "</" + xf.name() + ">";
}

uint32_t StylesWriter::Index(std::vector<std::string>& list,
                             std::unordered_map<std::string, uint32_t>& index, std::string text) {
    const auto [it, fresh] = index.try_emplace(text, static_cast<uint32_t>(list.size()));
    if (fresh) {
        list.push_back(std::move(text));
    }
    return it->second;
}

int64_t StylesWriter::NumberFormatId(const std::string& code) {
    if (const auto it = m_numberFormatIds.find(code); it != m_numberFormatIds.end()) {
        return it->second;
    }
    const int64_t builtIn = codes::BuiltInId(code);
    if (builtIn >= 0) {
        return builtIn;
    }
    const int64_t id = m_nextNumberFormatId++;
    m_numberFormats.emplace_back(id, code);
    m_numberFormatIds.emplace(code, id);
    return id;
}

std::string StylesWriter::ColorText(const char* element, uint32_t color,
                                    const pugi::xml_node& sourceColor) const {
    std::string out = "<";
    out += element;
    if (sourceColor) {
        AppendAttributesExcept(out, sourceColor, {});
    } else if (color == kAutoColor) {
        out += " auto=\"1\"";
    } else {
        AppendAttribute(out, "rgb", codes::ArgbOf(color));
    }
    return out + "/>";
}

std::string StylesWriter::FontText(const Style& style, const SourceFormat* from) const {
    const pugi::xml_node source = from ? from->font : pugi::xml_node();
    if (source && SameFont(style, from->style)) {
        return ToText(source);
    }
    std::string out = "<font>";
    if (style.bold) {
        out += "<b/>";
    }
    if (style.italic) {
        out += "<i/>";
    }
    if (style.strikethrough) {
        out += "<strike/>";
    }
    AppendChildren(out, source, {"condense", "extend", "outline", "shadow"});
    if (style.underline == enums::Underline::Single) {
        out += "<u/>";
    } else if (style.underline != enums::Underline::None) {
        out += "<u val=\"";
        out += codes::UnderlineName(style.underline);
        out += "\"/>";
    }
    AppendChildren(out, source, {"vertAlign"});
    out += "<sz val=\"";
    AppendNumber(out, style.fontSize);
    out += "\"/>";
    if (style.fontColor != kAutoColor) {
        const bool kept = source && from->style.fontColor == style.fontColor;
        out += ColorText("color", style.fontColor, kept ? Child(source, "color") : pugi::xml_node());
    }
    out += "<name val=\"";
    AppendEscaped(out, m_table.FontNames().Text(style.fontName));
    out += "\"/>";
    AppendChildren(out, source, {"family", "charset"});
    // The theme's font scheme would name another font than the one written.
    if (source && from->style.fontName == style.fontName) {
        AppendChildren(out, source, {"scheme"});
    }
    return out + "</font>";
}

std::string StylesWriter::FillText(const Style& style, const SourceFormat* from) const {
    if (from && from->fill && SameFill(style, from->style)) {
        return ToText(from->fill);
    }
    using namespace model::constants;
    int32_t pattern = style.pattern;
    // A colour on a cell without a pattern shows as a solid fill.
    if (pattern == enums::Pattern::None && style.interiorColor != kAutoColor) {
        pattern = enums::Pattern::Solid;
    }
    if (pattern == enums::Pattern::None) {
        return "<fill><patternFill patternType=\"none\"/></fill>";
    }
    std::string out = "<fill><patternFill patternType=\"";
    out += codes::PatternName(pattern);
    out += "\">";
    if (pattern == enums::Pattern::Solid || pattern == enums::Pattern::Automatic) {
        out += ColorText("fgColor", style.interiorColor, {});
        out += "<bgColor indexed=\"64\"/>";
    } else {
        out += style.patternColor == kAutoColor ? "<fgColor indexed=\"64\"/>"
                                                : ColorText("fgColor", style.patternColor, {});
        out += style.interiorColor == kAutoColor ? "<bgColor indexed=\"65\"/>"
                                                 : ColorText("bgColor", style.interiorColor, {});
    }
    return out + "</patternFill></fill>";
}

std::string StylesWriter::BorderText(const Style& style, const BorderLine& right,
                                     const BorderLine& bottom, const SourceFormat* from) const {
    if (from && from->border && style.left == from->style.left && style.top == from->style.top &&
        style.diagonalDown == from->style.diagonalDown &&
        style.diagonalUp == from->style.diagonalUp && right == from->right &&
        bottom == from->bottom) {
        return ToText(from->border);
    }
    using enums::LineStyle::None;
    std::string out = "<border";
    if (style.diagonalUp.lineStyle != enums::LineStyle::None) {
        out += " diagonalUp=\"1\"";
    }
    if (style.diagonalDown.lineStyle != enums::LineStyle::None) {
        out += " diagonalDown=\"1\"";
    }
    out += '>';
    auto edge = [&](const char* name, const BorderLine& line) {
        out += '<';
        out += name;
        if (line.lineStyle == enums::LineStyle::None) {
            out += "/>";
            return;
        }
        AppendAttribute(out, "style", codes::LineName(line));
        if (line.color == kAutoColor) {
            out += "/>";
            return;
        }
        out += '>';
        out += ColorText("color", line.color, {});
        out += "</";
        out += name;
        out += '>';
    };
    edge("left", style.left);
    edge("right", right);
    edge("top", style.top);
    edge("bottom", bottom);
    edge("diagonal", style.diagonalDown.lineStyle != enums::LineStyle::None ? style.diagonalDown : style.diagonalUp);
    return out + "</border>";
}

uint32_t StylesWriter::FormatOf(uint32_t styleId, const BorderLine& right,
                                const BorderLine& bottom) {
    // Most cells have no border from their neighbours: those are found by style id alone.
    const bool plain = right == BorderLine{} && bottom == BorderLine{};
    if (plain && styleId < m_plainFormats.size() && m_plainFormats[styleId] != kNoFormat) {
        return m_plainFormats[styleId];
    }
    const Key key{styleId, right, bottom};
    if (const auto it = m_keys.find(key); it != m_keys.end()) {
        return it->second;
    }
    const Style& style = m_table.Get(styleId);
    const SourceFormat* from =
        m_pSource && style.fileFormat > 0 && style.fileFormat <= m_pSource->formats.size()
            ? &m_pSource->formats[style.fileFormat - 1]
            : nullptr;
    const int64_t numFmtId = NumberFormatId(m_table.NumberFormats().Text(style.numberFormat));
    const uint32_t fontId = Index(m_fonts, m_fontIndex, FontText(style, from));
    const uint32_t fillId = Index(m_fills, m_fillIndex, FillText(style, from));
    const uint32_t borderId = Index(m_borders, m_borderIndex, BorderText(style, right, bottom, from));
    const pugi::xml_node xf = from ? from->xf : pugi::xml_node();

    std::string out = "<xf";
    AppendAttribute(out, "numFmtId", std::to_string(numFmtId));
    AppendAttribute(out, "fontId", std::to_string(fontId));
    AppendAttribute(out, "fillId", std::to_string(fillId));
    AppendAttribute(out, "borderId", std::to_string(borderId));
    std::string align;
    if (style.hAlign != enums::HAlign::General) {
        AppendAttribute(align, "horizontal", codes::HorizontalName(style.hAlign));
    }
    if (style.vAlign != enums::VAlign::Bottom) {
        AppendAttribute(align, "vertical", codes::VerticalName(style.vAlign));
    }
    if (style.wrapText) {
        align += " wrapText=\"1\"";
    }
    AppendAttributesExcept(align, Child(xf, "alignment"), {"horizontal", "vertical", "wrapText"});
    if (xf) {
        AppendAttributesExcept(out, xf, {"numFmtId", "fontId", "fillId", "borderId"});
        if (!Attr(xf, "xfId")) {
            out += " xfId=\"0\"";
        }
    } else {
        out += " xfId=\"0\"";
        if (numFmtId != 0) {
            out += " applyNumberFormat=\"1\"";
        }
        if (fontId != 0) {
            out += " applyFont=\"1\"";
        }
        if (fillId != 0) {
            out += " applyFill=\"1\"";
        }
        if (borderId != 0) {
            out += " applyBorder=\"1\"";
        }
        if (!align.empty()) {
            out += " applyAlignment=\"1\"";
        }
        out += " applyProtection=\"1\"";
    }
    out += '>';
    if (!align.empty()) {
        out += "<alignment" + align + "/>";
    }
    out += "<protection";
    AppendAttribute(out, "locked", style.readOnly ? "1" : "0");
    AppendAttributesExcept(out, Child(xf, "protection"), {"locked"});
    out += "/>";
    for (pugi::xml_node n = xf.first_child(); n; n = n.next_sibling()) {
        if (!Is(n, "alignment") && !Is(n, "protection")) {
            out += ToText(n);
        }
    }
    out += "</xf>";
    const uint32_t index = Index(m_formats, m_formatIndex, std::move(out));
    m_keys.emplace(key, index);
    if (plain) {
        if (styleId >= m_plainFormats.size()) {
            m_plainFormats.resize(styleId + 1, kNoFormat);
        }
        m_plainFormats[styleId] = index;
    }
    return index;
}

std::string StylesWriter::Text() const {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
    const pugi::xml_node root = m_pSource ? m_pSource->styles.document_element() : pugi::xml_node();
    // A part that spells its elements with a prefix gets the lists written
    // here in the main namespace by a declaration of their own.
    std::string ns;
    if (root) {
        const std::string_view name = root.name();
        const size_t colon = name.find(':');
        if (colon != std::string_view::npos) {
            const std::string declared = "xmlns:" + std::string(name.substr(0, colon));
            ns = " xmlns=\"" + std::string(root.attribute(declared.c_str()).value()) + "\"";
        }
        out += '<';
        out += root.name();
        AppendAttributesExcept(out, root, {});
        out += '>';
    } else {
        out += "<styleSheet xmlns=\"";
        out += kMainNamespace;
        out += "\">";
    }
    auto list = [&](const char* name, const std::vector<std::string>& items) {
        out += '<';
        out += name;
        out += ns;
        out += " count=\"" + std::to_string(items.size()) + "\">";
        for (const auto& item : items) {
            out += item;
        }
        out += "</";
        out += name;
        out += '>';
    };
    std::vector<std::pair<int64_t, std::string>> numberFormats = m_numberFormats;
    std::sort(numberFormats.begin(), numberFormats.end());
    if (!numberFormats.empty()) {
        std::vector<std::string> items;
        for (const auto& [id, code] : numberFormats) {
            std::string item = "<numFmt numFmtId=\"" + std::to_string(id) + "\"";
            AppendAttribute(item, "formatCode", code);
            items.push_back(item + "/>");
        }
        list("numFmts", items);
    }
    list("fonts", m_fonts);
    list("fills", m_fills);
    list("borders", m_borders);
    list("cellStyleXfs", m_styleFormats);
    list("cellXfs", m_formats);
    static constexpr std::array<std::string_view, 6> kWritten = {
        "numFmts", "fonts", "fills", "borders", "cellStyleXfs", "cellXfs"};
    for (pugi::xml_node n = root.first_child(); n; n = n.next_sibling()) {
        if (n.type() != pugi::node_element) {
            continue;
        }
        const std::string_view local = LocalName(n.name());
        if (std::find(kWritten.begin(), kWritten.end(), local) == kWritten.end()) {
            out += ToText(n);
        }
    }
    if (!root) {
        out += "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>";
    }
    out += "</";
    out += root ? root.name() : "styleSheet";
    return out + ">";
}

} // namespace vantor::xlsx
