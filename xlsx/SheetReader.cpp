#include "xlsx/SheetReader.hpp"
#include "vantor/automation/Enumerations.hpp"

#include "model/CellStore.hpp"
#include "model/Constants.hpp"
#include "model/ErrorValues.hpp"
#include "model/StyleTable.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "xlsx/PackageReader.hpp"
#include "xlsx/Refusal.hpp"
#include "xlsx/StylesReader.hpp"
#include "xlsx/XmlText.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <queue>

namespace vantor::xlsx {

using namespace xml;
using model::constants::kColumnCount;
using model::constants::kRowCount;

namespace {

constexpr size_t kPieceSize = size_t{4} << 20;

// "B12" as 0-based row and column; false for anything else.
bool ParseCellReference(std::string_view ref, int32_t& row, int32_t& column) {
    size_t i = 0;
    int64_t c = 0;
    while (i < ref.size() && i < 4 && ((ref[i] >= 'A' && ref[i] <= 'Z') || (ref[i] >= 'a' && ref[i] <= 'z'))) {
        c = c * 26 + ((ref[i] | 0x20) - 'a' + 1);
        ++i;
    }
    if (i == 0 || i == ref.size()) {
        return false;
    }
    int64_t r = 0;
    const auto [end, ec] = std::from_chars(ref.data() + i, ref.data() + ref.size(), r);
    if (ec != std::errc() || end != ref.data() + ref.size() || r < 1 || r > INT32_MAX) {
        return false;
    }
    row = static_cast<int32_t>(std::min<int64_t>(r - 1, INT32_MAX));
    column = static_cast<int32_t>(std::min<int64_t>(c - 1, INT32_MAX));
    return true;
}

// The text of an inline or shared string item: its <t>, or its runs' <t>s.
std::string ItemText(const pugi::xml_node& item) {
    std::string text;
    for (pugi::xml_node n = item.first_child(); n; n = n.next_sibling()) {
        if (Is(n, "t")) {
            text += n.text().get();
        } else if (Is(n, "r")) {
            text += Child(n, "t").text().get();
        }
    }
    return text;
}

// A date-time "2000-10-31T18:56:00" as a serial, or false.
bool ParseIsoDate(const char* text, double& serial) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    double s = 0;
    const int n = std::sscanf(text, "%d-%d-%dT%d:%d:%lf", &y, &mo, &d, &h, &mi, &s);
    if (n < 3 || mo < 1 || mo > 12 || d < 1 || d > 31) {
        return false;
    }
    serial = DateSerial(y, mo, d) + (h * 3600 + mi * 60 + s) / 86400.0;
    return true;
}

// Two areas that share a cell, or nothing. The areas come sorted by first
// row; a sweep down the rows keeps the areas crossing the current row by
// first column, where they cannot overlap one another, so each new area
// meets at most its left neighbour or the one it would precede.
std::optional<std::pair<model::CellRect, model::CellRect>> FirstOverlap(const std::vector<model::CellRect>& areas) {
    std::map<int32_t, model::CellRect> open; // by first column
    using Ending = std::pair<int32_t, int32_t>; // last row, first column
    std::priority_queue<Ending, std::vector<Ending>, std::greater<>> endings;
    for (const model::CellRect& a : areas) {
        while (!endings.empty() && endings.top().first < a.firstRow) {
            open.erase(endings.top().second);
            endings.pop();
        }
        auto next = open.lower_bound(a.firstColumn);
        if (next != open.end() && next->second.firstColumn <= a.lastColumn) {
            return std::pair{next->second, a};
        }
        if (next != open.begin() && std::prev(next)->second.lastColumn >= a.firstColumn) {
            return std::pair{std::prev(next)->second, a};
        }
        open.emplace(a.firstColumn, a);
        endings.emplace(a.lastRow, a.firstColumn);
    }
    return std::nullopt;
}

} // namespace

double SheetReader::ModelWidth(double fileWidth) {
    // Widths in the file count five pixels of padding at seven pixels a character.
    return std::max(0.0, std::floor((fileWidth * 7 - 5) / 7 * 100 + 0.5) / 100);
}

double SheetReader::FileWidth(double modelWidth) {
    const double chars = std::floor(modelWidth * 100 + 0.5) / 100;
    return chars <= 0 ? 0 : std::trunc((chars * 7 + 5) / 7 * 256) / 256;
}

SheetReader::SheetReader(const PackageReader& package, const StylesReader* styles,
                         const std::vector<std::string>& strings, bool date1904, SourceSheet& kept,
                         model::Worksheet& sheet)
    : m_package(package), m_pStyles(styles), m_strings(strings), m_bDate1904(date1904),
      m_kept(kept), m_sheet(sheet) {}

void SheetReader::Fail(const std::string& what) const {
    Refuse(m_package.Path(), m_kept.partName, what);
}

void SheetReader::Read() {
    m_sheet.ChangeCells([&](model::CellStore& store) {
        m_pStore = &store;
        m_package.Stream(m_kept.partName, kPieceSize,
                         [&](std::string_view piece) { Take(piece, false); });
        Take({}, true);
        m_pStore = nullptr;
    });
    if (m_phase != Phase::Tail) {
        Fail(m_phase == Phase::Head ? "malformed worksheet: no sheetData element"
                                    : "malformed XML: the sheetData element is not closed");
    }
    m_kept.part = std::make_unique<pugi::xml_document>();
    const std::string rest = m_head + "<" + m_prefix + "sheetData/>" + m_tail;
    m_head.clear();
    m_tail.clear();
    Parse(*m_kept.part, rest, m_package.Path(), m_kept.partName);
    ReadLayout();
    LoadStyles();
}

void SheetReader::Take(std::string_view piece, bool last) {
    if (m_phase == Phase::Tail) {
        m_tail.append(piece);
        return;
    }
    m_buffer.append(piece);
    if (m_phase == Phase::Head) {
        // The start tag of sheetData, with whatever prefix the part gives its elements.
        for (size_t at = m_buffer.find("sheetData", m_scanned); at != std::string::npos;
             at = m_buffer.find("sheetData", at + 1)) {
            const size_t open = m_buffer.rfind('<', at);
            const size_t after = at + 9;
            if (open == std::string::npos || after >= m_buffer.size()) {
                break;
            }
            const std::string_view between(m_buffer.data() + open + 1, at - open - 1);
            const char next = m_buffer[after];
            if ((!between.empty() && between.back() != ':') ||
                between.find_first_of(" <>/\"") != std::string_view::npos ||
                !(next == '>' || next == '/' || next == ' ' || next == '\t' || next == '\r' ||
                  next == '\n')) {
                continue;
            }
            const size_t close = m_buffer.find('>', after);
            if (close == std::string::npos) {
                break;
            }
            m_prefix.assign(between);
            m_head.assign(m_buffer, 0, open);
            const bool empty = m_buffer[close - 1] == '/';
            m_buffer.erase(0, close + 1);
            m_scanned = 0;
            if (empty) {
                m_phase = Phase::Tail;
                m_tail = std::move(m_buffer);
                m_buffer.clear();
                return;
            }
            m_phase = Phase::Rows;
            break;
        }
        if (m_phase == Phase::Head) {
            m_scanned = m_buffer.size() > 16 ? m_buffer.size() - 16 : 0;
            return;
        }
    }
    const std::string endTag = "</" + m_prefix + "sheetData>";
    const size_t end = m_buffer.find(endTag, m_scanned);
    if (end != std::string::npos) {
        if (!ParseRows(m_buffer.data(), end)) {
            Fail("malformed XML in the rows");
        }
        m_tail.assign(m_buffer, end + endTag.size());
        m_buffer.clear();
        m_buffer.shrink_to_fit();
        m_phase = Phase::Tail;
        return;
    }
    m_scanned = m_buffer.size() > endTag.size() ? m_buffer.size() - endTag.size() : 0;
    if (last || m_bRowsFailed) {
        return;
    }
    // Whole rows are parsed as they arrive; the rest waits for the next piece.
    const std::string rowEnd = "</" + m_prefix + "row>";
    const size_t cut = m_buffer.rfind(rowEnd);
    if (cut == std::string::npos || cut + rowEnd.size() < kPieceSize / 2) {
        return;
    }
    const size_t size = cut + rowEnd.size();
    std::string chunk(m_buffer, 0, size);
    // A piece cut inside a CDATA section or a comment does not parse alone:
    // then the rows wait for the end of sheetData and are parsed together.
    if (!ParseRows(chunk.data(), chunk.size())) {
        m_bRowsFailed = true;
        return;
    }
    m_buffer.erase(0, size);
    m_scanned = 0;
}

bool SheetReader::ParseRows(char* text, size_t size) {
    pugi::xml_document rows;
    const pugi::xml_parse_result result = rows.load_buffer_inplace(
        text, size, pugi::parse_default | pugi::parse_fragment | pugi::parse_ws_pcdata_single);
    if (!result) {
        return false;
    }
    for (pugi::xml_node row = rows.first_child(); row; row = row.next_sibling()) {
        if (Is(row, "row")) {
            ReadRow(row);
        }
    }
    return true;
}

void SheetReader::ReadRow(const pugi::xml_node& row) {
    int32_t r = m_lastRow + 1;
    if (const pugi::xml_attribute a = Attr(row, "r")) {
        const int64_t n = IntAttr(row, "r", 0);
        if (n < 1) {
            Fail(std::string("row number \"") + a.value() + "\" is not a row of a sheet");
        }
        if (n > kRowCount) {
            Fail("row " + std::to_string(n) + " is past the last row of a sheet (" +
                 std::to_string(kRowCount) + ")");
        }
        r = static_cast<int32_t>(n - 1);
    }
    if (r >= kRowCount) {
        Fail("a row past the last row of a sheet (" + std::to_string(kRowCount) + ")");
    }
    m_lastRow = r;
    std::string extra;
    for (pugi::xml_attribute a = row.first_attribute(); a; a = a.next_attribute()) {
        const std::string_view name = LocalName(a.name());
        if (name == "ht") {
            m_heights.emplace_back(r, DoubleAttr(row, "ht", 15.0));
        } else if (name != "r" && name != "customHeight" && name != "spans") {
            extra += ' ';
            extra += a.name();
            extra += "=\"";
            AppendEscaped(extra, a.value());
            extra += '"';
        }
    }
    if (!extra.empty()) {
        m_kept.rowAttributes.emplace(r, std::move(extra));
    }
    int32_t column = -1;
    for (pugi::xml_node cell = row.first_child(); cell; cell = cell.next_sibling()) {
        if (Is(cell, "c")) {
            ReadCell(cell, r, column);
        }
    }
}

void SheetReader::ReadCell(const pugi::xml_node& cell, int32_t row, int32_t& column) {
    // One pass over the cell's attributes and children: a sheet has millions of cells.
    pugi::xml_attribute ref, style, typeAttr;
    for (pugi::xml_attribute a = cell.first_attribute(); a; a = a.next_attribute()) {
        const std::string_view name = LocalName(a.name());
        if (name == "r") {
            ref = a;
        } else if (name == "s") {
            style = a;
        } else if (name == "t") {
            typeAttr = a;
        }
    }
    pugi::xml_node v, f, is;
    for (pugi::xml_node n = cell.first_child(); n; n = n.next_sibling()) {
        if (n.type() != pugi::node_element) {
            continue;
        }
        const std::string_view name = LocalName(n.name());
        if (name == "v" && !v) {
            v = n;
        } else if (name == "f" && !f) {
            f = n;
        } else if (name == "is" && !is) {
            is = n;
        }
    }
    int32_t r = row;
    int32_t c = column + 1;
    if (ref) {
        if (!ParseCellReference(ref.value(), r, c)) {
            Fail(std::string("cell reference \"") + ref.value() + "\" is not a cell address");
        }
        if (r >= kRowCount || c >= kColumnCount) {
            Fail(std::string("cell ") + ref.value() + " lies outside the sheet (" +
                 std::to_string(kRowCount) + " rows, " + std::to_string(kColumnCount) + " columns)");
        }
    }
    if (c >= kColumnCount) {
        Fail("a cell past the last column of a sheet (" + std::to_string(kColumnCount) + ")");
    }
    column = c;
    const auto where = [&] { return model::ColumnName(c) + std::to_string(r + 1); };

    uint32_t format = 0;
    if (style) {
        const std::string_view text = style.value();
        int64_t index = -1;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), index);
        const size_t count = m_pStyles ? m_pStyles->StyleIds().size() : 0;
        if (ec != std::errc() || end != text.data() + text.size() || index < 0 ||
            (static_cast<size_t>(index) >= count && !(count == 0 && index == 0))) {
            Fail("cell " + where() + " has style " + style.value() + ", but the workbook has " +
                 std::to_string(count) + " cell formats");
        }
        format = static_cast<uint32_t>(index);
    }
    if (static_cast<size_t>(c) >= m_columns.size()) {
        m_columns.resize(static_cast<size_t>(c) + 1);
    }
    m_columns[static_cast<size_t>(c)].push_back(Entry{r, format});

    const std::string_view type = typeAttr.value();
    const char* text = v.text().get();
    Variant value;
    if (type == "s") {
        if (v) {
            int64_t n = -1;
            const std::string_view t(text);
            const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
            if (ec != std::errc() || end != t.data() + t.size() || n < 0 ||
                static_cast<size_t>(n) >= m_strings.size()) {
                Fail("cell " + where() + " refers to shared string \"" + std::string(t) +
                     "\", but the workbook has " + std::to_string(m_strings.size()));
            }
            value = Variant(m_strings[static_cast<size_t>(n)]);
        }
    } else if (type == "inlineStr") {
        value = Variant(ItemText(is));
    } else if (type == "str") {
        if (v) {
            value = Variant(std::string(text));
        }
    } else if (type == "b") {
        if (v) {
            value = Variant(std::strcmp(text, "1") == 0 || std::strcmp(text, "true") == 0);
        }
    } else if (type == "e") {
        if (v) {
            const int32_t code = model::errorvalues::CodeOf(text);
            if (code == 0) {
                Fail("cell " + where() + " holds the unknown error value \"" + std::string(text) + "\"");
            }
            value = Variant::Error(code);
        }
    } else if (type == "d") {
        double serial = 0;
        if (v && !ParseIsoDate(text, serial)) {
            Fail("cell " + where() + " holds \"" + std::string(text) + "\", which is no date");
        }
        if (v) {
            value = Variant::Date(serial);
        }
    } else if (type.empty() || type == "n") {
        if (v) {
            double number = 0;
            const char* const textEnd = text + std::strlen(text);
            if (const auto [end, ec] = std::from_chars(text, textEnd, number); ec != std::errc() || end != textEnd) {
                // What the quick parse does not take (a sign, spaces), the C library may.
                char* stop = nullptr;
                number = std::strtod(text, &stop);
                if (stop == text || *stop != '\0') {
                    number = NAN;
                }
            }
            if (!std::isfinite(number)) {
                Fail("cell " + where() + " holds \"" + std::string(text) + "\", which is no number");
            }
            const bool date = m_pStyles && format < m_pStyles->DateFormats().size() &&
                              m_pStyles->DateFormats()[format];
            if (date && number >= 0) {
                // Serials of the file count from the workbook's epoch; the model's
                // dates count from 1899-12-30 and have no 1900-02-29.
                double serial = number;
                if (m_bDate1904) {
                    serial += 1462;
                } else if (number >= 1 && number < 60) {
                    serial += 1;
                }
                value = Variant::Date(serial);
            } else {
                value = Variant(number);
            }
        }
    } else {
        Fail("cell " + where() + " has the unknown type \"" + std::string(type) + "\"");
    }

    if (f) {
        std::string attributes;
        for (pugi::xml_attribute a = f.first_attribute(); a; a = a.next_attribute()) {
            attributes += ' ';
            attributes += a.name();
            attributes += "=\"";
            AppendEscaped(attributes, a.value());
            attributes += '"';
        }
        const std::string formula = f.text().get();
        if (!attributes.empty()) {
            m_kept.formulaAttributes.emplace(model::KeyOf(r, c),
                                             std::make_pair(std::move(attributes), formula));
        }
        m_pStore->SetFormula(r, c, formula, value);
    } else if (!value.IsEmpty()) {
        m_pStore->SetValue(model::CellRect{r, c, r, c}, value);
    }
}

void SheetReader::ReadLayout() {
    const pugi::xml_node root = m_kept.part->document_element();
    const pugi::xml_node formatPr = Child(root, "sheetFormatPr");
    const double defaultHeight = DoubleAttr(formatPr, "defaultRowHeight", 0.0);
    double defaultWidth = 0;
    if (Attr(formatPr, "defaultColWidth")) {
        defaultWidth = ModelWidth(DoubleAttr(formatPr, "defaultColWidth", 0.0));
    } else if (Attr(formatPr, "baseColWidth")) {
        defaultWidth = DoubleAttr(formatPr, "baseColWidth", 8.0) + 0.43;
    }
    std::vector<std::pair<std::pair<int32_t, int32_t>, double>> widths;
    for (pugi::xml_node col : Child(root, "cols").children()) {
        if (!Is(col, "col")) {
            continue;
        }
        const int64_t first = IntAttr(col, "min", 0);
        const int64_t last = IntAttr(col, "max", 0);
        if (first < 1 || last < first || last > kColumnCount) {
            Fail("column range " + std::to_string(first) + " to " + std::to_string(last) +
                 " lies outside the sheet (" + std::to_string(kColumnCount) + " columns)");
        }
        m_kept.cols.push_back(col);
        if (Attr(col, "width")) {
            widths.push_back({{static_cast<int32_t>(first - 1), static_cast<int32_t>(last - 1)},
                              ModelWidth(DoubleAttr(col, "width", 0.0))});
        }
    }
    // Merge areas; one cell merges nothing. Areas that share a cell refuse the file.
    std::vector<model::CellRect> areas;
    for (pugi::xml_node merge : Child(root, "mergeCells").children()) {
        if (!Is(merge, "mergeCell")) {
            continue;
        }
        const std::string ref = Attr(merge, "ref").value();
        model::CellRect area;
        try {
            area = model::ParseAddress(ref);
        } catch (const AutomationError&) {
            Fail("merge area \"" + ref + "\" is no block of cells");
        }
        if (area.CellCount() > 1) {
            areas.push_back(area);
        }
    }
    const model::MergeAreas merges(areas);
    if (const auto crossing = FirstOverlap(merges.Areas())) {
        Fail("merge areas " + model::FormatAddress(crossing->first) + " and " +
             model::FormatAddress(crossing->second) + " overlap");
    }
    m_sheet.ChangeCells([&](model::CellStore& cells) {
        if (!merges.Empty()) {
            cells.SetMerges(merges);
        }
        if (defaultHeight > 0) {
            cells.SetRowHeights(0, kRowCount - 1, std::min(defaultHeight, 409.0));
        }
        if (defaultWidth > 0) {
            cells.SetColumnWidths(0, kColumnCount - 1, std::min(defaultWidth, 255.0));
        }
        for (const auto& [row, height] : m_heights) {
            cells.SetRowHeights(row, row, std::clamp(height, 0.0, 409.0));
        }
        for (const auto& [span, width] : widths) {
            cells.SetColumnWidths(span.first, span.second, std::min(width, 255.0));
        }
    });
    m_heights.clear();
}

void SheetReader::LoadStyles() {
    // Cells without a cell of their own take their column's format, else format 0.
    const std::vector<uint32_t> none;
    const std::vector<uint32_t>& ids = m_pStyles ? m_pStyles->StyleIds() : none;
    const auto& formats = m_pStyles ? m_pStyles->Source().formats : std::vector<SourceFormat>();
    auto idOf = [&](uint32_t format) { return format < ids.size() ? ids[format] : 0u; };
    std::vector<uint32_t> columnFormat(kColumnCount + 1, 0);
    for (const pugi::xml_node& col : m_kept.cols) {
        const int64_t style = IntAttr(col, "style", 0);
        if (style < 0 || (style > 0 && static_cast<size_t>(style) >= ids.size())) {
            Fail("a column has style " + std::to_string(style) + ", but the workbook has " +
                 std::to_string(ids.size()) + " cell formats");
        }
        std::fill(columnFormat.begin() + IntAttr(col, "min", 1) - 1,
                  columnFormat.begin() + IntAttr(col, "max", 1), static_cast<uint32_t>(style));
    }
    using Runs = std::vector<std::pair<int32_t, uint32_t>>;
    // Every column first gets its background, in spans of equal columns.
    for (int32_t c = 0; c <= kColumnCount;) {
        int32_t d = c;
        while (d + 1 <= kColumnCount && columnFormat[static_cast<size_t>(d + 1)] == columnFormat[static_cast<size_t>(c)]) {
            ++d;
        }
        const uint32_t id = idOf(columnFormat[static_cast<size_t>(c)]);
        if (id != 0) {
            m_sheet.LoadColumnStyleIds(c, d, Runs{{kRowCount + 1, id}});
        }
        c = d + 1;
    }
    // The lines a format draws on its right and bottom edges are the model's
    // left edge of the cell to the right and top edge of the cell below.
    model::StyleTable& table = *m_sheet.Book()->Styles();
    std::vector<std::map<int32_t, model::BorderLine>> tops(m_columns.size() + 1);
    std::vector<std::map<int32_t, model::BorderLine>> lefts(m_columns.size() + 1);
    for (size_t c = 0; c < m_columns.size(); ++c) {
        auto& entries = m_columns[c];
        if (!std::is_sorted(entries.begin(), entries.end(),
                            [](const Entry& a, const Entry& b) { return a.row < b.row; })) {
            std::stable_sort(entries.begin(), entries.end(),
                             [](const Entry& a, const Entry& b) { return a.row < b.row; });
        }
        for (const Entry& e : entries) {
            if (e.format < formats.size()) {
                const SourceFormat& f = formats[e.format];
                if (f.bottom.lineStyle != enums::LineStyle::None) {
                    tops[c][e.row + 1] = f.bottom;
                }
                if (f.right.lineStyle != enums::LineStyle::None) {
                    lefts[c + 1][e.row] = f.right;
                }
            }
        }
    }
    for (size_t c = 0; c < tops.size() && c <= static_cast<size_t>(kColumnCount); ++c) {
        const std::vector<Entry> noEntries;
        const std::vector<Entry>& entries = c < m_columns.size() ? m_columns[c] : noEntries;
        if (entries.empty() && tops[c].empty() && lefts[c].empty()) {
            continue;
        }
        const uint32_t background = columnFormat[c];
        const uint32_t backgroundId = idOf(background);
        Runs runs;
        int32_t next = 0;
        size_t e = 0;
        auto topIt = tops[c].begin();
        auto leftIt = lefts[c].begin();
        while (e < entries.size() || topIt != tops[c].end() || leftIt != lefts[c].end()) {
            int32_t row = INT32_MAX;
            if (e < entries.size()) row = std::min(row, entries[e].row);
            if (topIt != tops[c].end()) row = std::min(row, topIt->first);
            if (leftIt != lefts[c].end()) row = std::min(row, leftIt->first);
            uint32_t format = background;
            while (e < entries.size() && entries[e].row == row) {
                format = entries[e++].format; // the last of repeated cells wins
            }
            uint32_t id = idOf(format);
            const bool top = topIt != tops[c].end() && topIt->first == row;
            const bool left = leftIt != lefts[c].end() && leftIt->first == row;
            if (top || left) {
                model::Style style = table.Get(id);
                if (top && style.top.lineStyle == enums::LineStyle::None) {
                    style.top = topIt->second;
                }
                if (left && style.left.lineStyle == enums::LineStyle::None) {
                    style.left = leftIt->second;
                }
                id = table.Intern(style);
            }
            if (top) ++topIt;
            if (left) ++leftIt;
            if (row < next) {
                continue;
            }
            if (row > next) {
                runs.emplace_back(row, backgroundId);
            }
            if (!runs.empty() && runs.back().second == id) {
                runs.back().first = row + 1;
            } else {
                runs.emplace_back(row + 1, id);
            }
            next = row + 1;
        }
        runs.emplace_back(kRowCount + 1, backgroundId);
        m_sheet.LoadColumnStyleIds(static_cast<int32_t>(c), static_cast<int32_t>(c), runs);
    }
    m_columns.clear();
}

} // namespace vantor::xlsx
