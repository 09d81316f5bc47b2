#include "xlsx/StylesReader.hpp"
#include "vantor/automation/Enumerations.hpp"

#include "model/Constants.hpp"
#include "model/NamedStyles.hpp"
#include "model/StyleTable.hpp"
#include "xlsx/Refusal.hpp"
#include "xlsx/StyleCodes.hpp"
#include "xlsx/XmlText.hpp"

#include <algorithm>
#include <unordered_map>

namespace vantor::xlsx {

using namespace xml;

StylesReader::StylesReader(SourcePackage& source, model::StyleTable& table,
                           std::vector<uint32_t> theme)
    : m_source(source), m_table(table), m_theme(std::move(theme)) {}

uint32_t StylesReader::ColorOf(const pugi::xml_node& color) const {
    if (!color || BoolAttr(color, "auto", false)) {
        return model::kAutoColor;
    }
    if (const pugi::xml_attribute rgb = Attr(color, "rgb")) {
        return codes::ColorOfArgb(rgb.value(), model::kAutoColor);
    }
    if (Attr(color, "theme")) {
        const int64_t index = IntAttr(color, "theme", -1);
        if (index < 0 || static_cast<size_t>(index) >= m_theme.size()) {
            return model::kAutoColor;
        }
        return codes::ApplyTint(m_theme[static_cast<size_t>(index)], DoubleAttr(color, "tint", 0.0));
    }
    if (Attr(color, "indexed")) {
        return codes::ColorOfIndexed(IntAttr(color, "indexed", 64));
    }
    return model::kAutoColor;
}

void StylesReader::ReadFont(const pugi::xml_node& font, model::Style& style) const {
    for (pugi::xml_node n = font.first_child(); n; n = n.next_sibling()) {
        const std::string_view name = LocalName(n.name());
        if (name == "b") {
            style.bold = BoolAttr(n, "val", true);
        } else if (name == "i") {
            style.italic = BoolAttr(n, "val", true);
        } else if (name == "strike") {
            style.strikethrough = BoolAttr(n, "val", true);
        } else if (name == "u") {
            style.underline = codes::UnderlineOf(Attr(n, "val").value());
        } else if (name == "sz") {
            // Sizes the pages could not set are brought within what they can.
            style.fontSize = std::clamp(DoubleAttr(n, "val", style.fontSize), 1.0, 409.0);
        } else if (name == "color") {
            style.fontColor = ColorOf(n);
        } else if (name == "name") {
            style.fontName = m_table.FontNames().Intern(Attr(n, "val").value());
        }
    }
}

void StylesReader::ReadFill(const pugi::xml_node& fill, model::Style& style) const {
    const pugi::xml_node pattern = Child(fill, "patternFill");
    if (!pattern) {
        return;
    }
    const pugi::xml_attribute type = Attr(pattern, "patternType");
    style.pattern = codes::PatternOf(type ? type.value() : "none");
    const uint32_t fg = ColorOf(Child(pattern, "fgColor"));
    const uint32_t bg = ColorOf(Child(pattern, "bgColor"));
    if (style.pattern == enums::Pattern::Solid) {
        style.interiorColor = fg;
    } else if (style.pattern != enums::Pattern::None) {
        style.patternColor = fg;
        style.interiorColor = bg;
    }
}

void StylesReader::ReadLine(const pugi::xml_node& edge, model::BorderLine& line) const {
    if (!edge) {
        return;
    }
    codes::LineOf(Attr(edge, "style").value(), line);
    line.color = ColorOf(Child(edge, "color"));
    if (line.lineStyle == enums::LineStyle::None) {
        line.color = model::kAutoColor;
    }
}

void StylesReader::ReadBorder(const pugi::xml_node& border, model::Style& style,
                              model::BorderLine& right, model::BorderLine& bottom) const {
    ReadLine(Child(border, "left"), style.left);
    ReadLine(Child(border, "top"), style.top);
    ReadLine(Child(border, "right"), right);
    ReadLine(Child(border, "bottom"), bottom);
    model::BorderLine diagonal;
    ReadLine(Child(border, "diagonal"), diagonal);
    if (BoolAttr(border, "diagonalDown", false)) {
        style.diagonalDown = diagonal;
    }
    if (BoolAttr(border, "diagonalUp", false)) {
        style.diagonalUp = diagonal;
    }
}

void StylesReader::Read(const std::string& text) {
    const std::string& file = m_source.fileName;
    const std::string& part = m_source.stylesPart;
    Parse(m_source.styles, text, file, part);
    const pugi::xml_node root = m_source.styles.document_element();

    std::unordered_map<int64_t, std::string> numberFormats;
    for (pugi::xml_node n : Child(root, "numFmts").children()) {
        if (Is(n, "numFmt")) {
            std::string code = Attr(n, "formatCode").value();
            numberFormats[IntAttr(n, "numFmtId", -1)] = code == "General" ? "" : code;
        }
    }
    auto list = [&](const char* parent, const char* item) {
        std::vector<pugi::xml_node> nodes;
        for (pugi::xml_node n : Child(root, parent).children()) {
            if (Is(n, item)) {
                nodes.push_back(n);
            }
        }
        return nodes;
    };
    const std::vector<pugi::xml_node> fonts = list("fonts", "font");
    const std::vector<pugi::xml_node> fills = list("fills", "fill");
    const std::vector<pugi::xml_node> borders = list("borders", "border");
    const std::vector<pugi::xml_node> xfs = list("cellXfs", "xf");
    if (xfs.size() > model::constants::kMaxStyles) {
        Refuse(file, part, std::to_string(xfs.size()) + " cell formats, more than the " +
                               std::to_string(model::constants::kMaxStyles) + " a workbook keeps");
    }
    auto pick = [&](const std::vector<pugi::xml_node>& nodes, const pugi::xml_node& xf,
                    const char* attribute, const char* what, size_t k) -> pugi::xml_node {
        const int64_t index = IntAttr(xf, attribute, 0);
        if (nodes.empty() && index == 0) {
            return {};
        }
        if (index < 0 || static_cast<size_t>(index) >= nodes.size()) {
            Refuse(file, part,
                   "cell format " + std::to_string(k) + " refers to " + what + " " +
                       std::to_string(index) + " of " + std::to_string(nodes.size()));
        }
        return nodes[static_cast<size_t>(index)];
    };

    const model::Style base = m_table.Default();
    // A format record, of a cell or of a named style: its style and elements,
    // and its number format's code.
    auto readFormat = [&](const pugi::xml_node& xf, size_t k, SourceFormat& format) {
        format.xf = xf;
        model::Style& style = format.style;
        style = base;
        const int64_t numFmtId = IntAttr(xf, "numFmtId", 0);
        std::string code;
        if (const auto it = numberFormats.find(numFmtId); it != numberFormats.end()) {
            code = it->second;
        } else if (const char* builtIn = codes::BuiltInFormat(numFmtId)) {
            code = builtIn;
        } else if (numFmtId < 0 || numFmtId > 163) {
            Refuse(file, part,
                   "cell format " + std::to_string(k) + " refers to number format " +
                       std::to_string(numFmtId) + ", which the part does not define");
        }
        style.numberFormat = m_table.NumberFormats().Intern(code);

        format.font = pick(fonts, xf, "fontId", "font", k);
        format.fill = pick(fills, xf, "fillId", "fill", k);
        format.border = pick(borders, xf, "borderId", "border", k);
        if (format.font) {
            ReadFont(format.font, style);
        }
        if (format.fill) {
            ReadFill(format.fill, style);
        }
        if (format.border) {
            ReadBorder(format.border, style, format.right, format.bottom);
        }
        if (const pugi::xml_node align = Child(xf, "alignment")) {
            style.hAlign = codes::HorizontalOf(Attr(align, "horizontal").value());
            if (Attr(align, "vertical")) {
                style.vAlign = codes::VerticalOf(Attr(align, "vertical").value());
            }
            style.wrapText = BoolAttr(align, "wrapText", false);
            style.shrinkToFit = BoolAttr(align, "shrinkToFit", false);
        }
        // A format says nothing of protection when its cells keep the default: locked.
        style.readOnly = BoolAttr(Child(xf, "protection"), "locked", true);
        return code;
    };

    // Named styles, by the index of their format record.
    std::unordered_map<int64_t, uint32_t> namedIds;
    if (m_pNamed != nullptr) {
        const std::vector<pugi::xml_node> styleXfs = list("cellStyleXfs", "xf");
        for (const pugi::xml_node& named : list("cellStyles", "cellStyle")) {
            const int64_t xfId = IntAttr(named, "xfId", 0);
            const std::string name = Attr(named, "name").value();
            if (xfId < 0 || static_cast<size_t>(xfId) >= styleXfs.size() || name.empty()) {
                continue; // a style without a format record, or without a name, is left out
            }
            const pugi::xml_node xf = styleXfs[static_cast<size_t>(xfId)];
            SourceFormat format;
            readFormat(xf, static_cast<size_t>(xfId), format);
            unsigned includes = 0;
            const char* const applied[] = {"applyNumberFormat", "applyAlignment", "applyFont",
                                           "applyBorder",       "applyFill",      nullptr,
                                           "applyProtection"};
            for (unsigned g = 0; g < 7; ++g) {
                includes |= (applied[g] == nullptr || BoolAttr(xf, applied[g], true)) ? 1u << g : 0;
            }
            namedIds[xfId] = m_pNamed->Load(name, format.style, format.bottom, format.right, includes);
        }
    }

    for (size_t k = 0; k < xfs.size(); ++k) {
        const pugi::xml_node xf = xfs[k];
        SourceFormat format;
        const std::string code = readFormat(xf, k, format);
        m_dateFormats.push_back(codes::IsDateFormat(code));
        model::Style& style = format.style;
        const auto named = namedIds.find(IntAttr(xf, "xfId", 0));
        style.styleName = named == namedIds.end() ? 0 : named->second;
        style.fileFormat = static_cast<uint32_t>(k + 1);
        m_styleIds.push_back(m_table.Intern(style));
        m_source.formats.push_back(std::move(format));
    }
}

} // namespace vantor::xlsx
