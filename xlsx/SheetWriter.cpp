#include "xlsx/SheetWriter.hpp"

#include "model/CellStore.hpp"
#include "model/Constants.hpp"
#include "model/ErrorValues.hpp"
#include "model/Palette.hpp"
#include "model/StyleTable.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "xlsx/SheetReader.hpp"
#include "xlsx/StylesWriter.hpp"
#include "xlsx/XmlText.hpp"

#include <algorithm>
#include <charconv>
#include <functional>
#include <utility>

namespace vantor::xlsx {

using namespace xml;
using model::constants::kColumnCount;
using model::constants::kRowCount;

namespace {

constexpr int32_t kBlockRows = 1024;
// The text handed on at a time, when it is handed on while written.
constexpr size_t kPieceSize = size_t{4} << 20;

constexpr const char* kNewSheet =
    "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<dimension ref=\"A1\"/><sheetViews><sheetView workbookViewId=\"0\"/></sheetViews>"
    "<sheetFormatPr defaultRowHeight=\"15\"/><sheetData/>"
    "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" footer=\"0.3\"/>"
    "</worksheet>";

void AppendInt(std::string& out, int64_t value) {
    char buffer[24];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, end);
}

std::string CellName(int32_t row, int32_t column) {
    return model::ColumnName(column) + std::to_string(row + 1);
}

// The prefix the part spells its elements with ("x:" or "").
std::string PrefixOf(const pugi::xml_node& root) {
    const std::string_view name = root.name();
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? "" : std::string(name.substr(0, colon + 1));
}

// Sets an attribute unless it already says the same.
void SetBool(pugi::xml_node node, const char* name, bool value, bool fallback) {
    if (BoolAttr(node, name, fallback) == value) {
        return;
    }
    pugi::xml_attribute a = node.attribute(name);
    if (!a) {
        a = node.append_attribute(name);
    }
    a.set_value(value ? "1" : "0");
}

void SetText(pugi::xml_node node, const char* name, const std::string& value) {
    pugi::xml_attribute a = node.attribute(name);
    if (!a) {
        a = node.append_attribute(name);
    }
    a.set_value(value.c_str());
}

// Inserts an element before the first of the later siblings the schema orders after it.
pugi::xml_node InsertChild(pugi::xml_node parent, const std::string& name,
                           std::initializer_list<std::string_view> later) {
    for (pugi::xml_node n = parent.first_child(); n; n = n.next_sibling()) {
        if (n.type() == pugi::node_element &&
            std::find(later.begin(), later.end(), LocalName(n.name())) != later.end()) {
            return parent.insert_child_before(name.c_str(), n);
        }
    }
    return parent.append_child(name.c_str());
}

} // namespace

uint32_t SharedStrings::IndexOf(const std::string& text) {
    ++references;
    if (texts.size() * 2 >= m_slots.size()) {
        Grow();
    }
    const size_t hash = std::hash<std::string>{}(text);
    const size_t mask = m_slots.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        Slot& slot = m_slots[at];
        if (slot.entry == 0) {
            texts.push_back(&m_store.emplace_back(text));
            slot = Slot{hash, static_cast<uint32_t>(texts.size())};
            return slot.entry - 1;
        }
        if (slot.hash == hash && *texts[slot.entry - 1] == text) {
            return slot.entry - 1;
        }
    }
}

void SharedStrings::Grow() {
    std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(std::max<size_t>(1024, m_slots.size() * 2)));
    const size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.entry != 0) {
            size_t at = slot.hash & mask;
            while (m_slots[at].entry != 0) {
                at = (at + 1) & mask;
            }
            m_slots[at] = slot;
        }
    }
}

SheetWriter::SheetWriter(const model::Worksheet& sheet, const SourceSheet* source,
                         StylesWriter& styles, SharedStrings& strings, bool date1904, bool active)
    : m_sheet(sheet), m_pSource(source), m_styles(styles), m_strings(strings),
      m_bDate1904(date1904), m_bActive(active) {}

uint32_t SheetWriter::BackgroundFormat(const model::Worksheet& sheet, StylesWriter& styles) {
    const model::CellStore& store = sheet.Store();
    const model::StyleTable& table = store.Table();
    const uint32_t id = store.StyleAt(kRowCount - 1, 0);
    return styles.FormatOf(id, table.Get(store.StyleAt(kRowCount - 1, 1)).left,
                           table.Get(id).top);
}

void SheetWriter::ComputeColumns() {
    const model::CellStore& store = m_sheet.Store();
    const model::StyleTable& table = store.Table();
    const model::CellState& state = store.State();
    m_background.assign(kColumnCount + 1, 0);
    state.columns.ForEach(0, kColumnCount, [&](int32_t a, int32_t b, const model::ColumnPtr& column) {
        const uint32_t id = column->At(kRowCount - 1);
        std::fill(m_background.begin() + a, m_background.begin() + b + 1, id);
        if (column->RunCount() > 1 && a < kColumnCount) {
            m_lastColumn = std::max(m_lastColumn, std::min(b, kColumnCount - 1));
            // The runs above the empty cells at the bottom, and the bottom edge of the last row.
            int32_t last = -1;
            bool firstRun = true;
            column->ForEachRun(kRowCount - 1, kRowCount, [&](int32_t start, int32_t, uint32_t) {
                last = firstRun ? start - 1 : kRowCount - 1;
                firstRun = false;
            });
            m_lastRow = std::max(m_lastRow, last);
        }
    });
    m_columnFormat.assign(kColumnCount, 0);
    for (int32_t c = 0; c < kColumnCount; ++c) {
        const uint32_t id = m_background[static_cast<size_t>(c)];
        m_columnFormat[static_cast<size_t>(c)] = m_styles.FormatOf(
            id, table.Get(m_background[static_cast<size_t>(c) + 1]).left, table.Get(id).top);
    }
    const model::CellRect whole = model::WholeSheet();
    auto extend = [&](model::CellKey key) {
        m_lastRow = std::max(m_lastRow, model::RowOf(key));
        m_lastColumn = std::max(m_lastColumn, model::ColumnOf(key));
    };
    store.ForEachValue(whole, [&](model::CellKey key, const Variant&) { extend(key); });
    store.ForEachFormula(whole, [&](model::CellKey key, const std::string&) { extend(key); });
    m_defaultHeight = state.rowHeights.At(kRowCount - 1);
    m_defaultWidth = state.columnWidths.At(kColumnCount - 1);
    const size_t heights = state.rowHeights.RunCount();
    if (heights > 1) {
        m_lastRow = std::max(m_lastRow, state.rowHeights.RunStart(heights - 1) - 1);
    }
    if (m_pSource && !m_pSource->rowAttributes.empty()) {
        m_lastRow = std::max(m_lastRow, m_pSource->rowAttributes.rbegin()->first);
    }
    if (m_lastRow >= 0 && m_lastColumn >= 0) {
        m_dimension = "A1:" + CellName(m_lastRow, m_lastColumn);
    }
}

void SheetWriter::WriteRows(std::string& out, const std::function<void(std::string)>& take) {
    const model::CellStore& store = m_sheet.Store();
    const model::StyleTable& table = store.Table();
    const model::CellState& state = store.State();
    const int32_t columns = m_lastColumn + 1;
    std::vector<std::string> names;
    for (int32_t c = 0; c < columns; ++c) {
        names.push_back(model::ColumnName(c));
    }
    struct Cell {
        int32_t column;
        const Variant* value;
        const std::string* formula;
    };
    std::vector<std::vector<Cell>> rows(kBlockRows);
    // Style ids over the block and the row below it, for the columns that are not uniform.
    std::vector<std::vector<uint32_t>> ids(static_cast<size_t>(columns) + 1);
    std::vector<const model::ColumnStyles*> columnOf(static_cast<size_t>(columns) + 1);
    for (int32_t c = 0; c <= columns && c <= kColumnCount; ++c) {
        columnOf[static_cast<size_t>(c)] = state.columns.At(c).get();
    }
    std::vector<double> heights(kBlockRows);
    for (int32_t r0 = 0; r0 <= m_lastRow; r0 += kBlockRows) {
        if (take && out.size() >= kPieceSize) {
            take(std::exchange(out, std::string()));
            out.reserve(kPieceSize * 2);
        }
        const int32_t r1 = std::min(r0 + kBlockRows - 1, m_lastRow);
        const int32_t count = r1 - r0 + 1;
        for (auto& row : rows) {
            row.clear();
        }
        const model::CellRect block{r0, 0, r1, std::max(0, m_lastColumn)};
        if (columns > 0) {
            store.ForEachValue(block, [&](model::CellKey key, const Variant& value) {
                rows[static_cast<size_t>(model::RowOf(key) - r0)].push_back(
                    Cell{model::ColumnOf(key), &value, nullptr});
            });
            store.ForEachFormula(block, [&](model::CellKey key, const std::string& text) {
                rows[static_cast<size_t>(model::RowOf(key) - r0)].push_back(
                    Cell{model::ColumnOf(key), nullptr, &text});
            });
        }
        for (size_t c = 0; c < ids.size(); ++c) {
            const model::ColumnStyles* column = columnOf[c];
            ids[c].clear();
            if (!column || column->RunCount() == 1) {
                continue;
            }
            ids[c].resize(static_cast<size_t>(count) + 1);
            const int32_t last = std::min(r1 + 1, kRowCount);
            column->ForEachRun(r0, last, [&](int32_t start, int32_t end, uint32_t id) {
                const int32_t from = std::max(start, r0);
                const int32_t to = std::min(end - 1, last);
                std::fill(ids[c].begin() + (from - r0), ids[c].begin() + (to - r0) + 1, id);
            });
        }
        auto idAt = [&](int32_t row, size_t c) {
            return ids[c].empty() ? m_background[c] : ids[c][static_cast<size_t>(row - r0)];
        };
        // Cells whose style, or whose right or bottom neighbour's, is not the column's empty cells'.
        for (size_t c = 0; c < static_cast<size_t>(columns); ++c) {
            if (ids[c].empty() && ids[c + 1].empty()) {
                continue;
            }
            for (int32_t r = r0; r <= r1; ++r) {
                const bool own = !ids[c].empty() && (idAt(r, c) != m_background[c] || idAt(r + 1, c) != m_background[c]);
                const bool right = !ids[c + 1].empty() && idAt(r, c + 1) != m_background[c + 1];
                if (own || right) {
                    rows[static_cast<size_t>(r - r0)].push_back(Cell{static_cast<int32_t>(c), nullptr, nullptr});
                }
            }
        }
        std::fill(heights.begin(), heights.end(), m_defaultHeight);
        state.rowHeights.ForEach(r0, r1, [&](int32_t a, int32_t b, double h) {
            std::fill(heights.begin() + (a - r0), heights.begin() + (b - r0) + 1, h);
        });
        for (int32_t r = r0; r <= r1; ++r) {
            std::vector<Cell>& cells = rows[static_cast<size_t>(r - r0)];
            const double height = heights[static_cast<size_t>(r - r0)];
            const std::string* extra = nullptr;
            if (m_pSource) {
                const auto it = m_pSource->rowAttributes.find(r);
                extra = it == m_pSource->rowAttributes.end() ? nullptr : &it->second;
            }
            if (cells.empty() && height == m_defaultHeight && !extra) {
                continue;
            }
            std::sort(cells.begin(), cells.end(),
                      [](const Cell& a, const Cell& b) { return a.column < b.column; });
            const size_t rowStart = out.size();
            out += "<row r=\"";
            AppendInt(out, r + 1);
            out += '"';
            if (height != m_defaultHeight) {
                out += " ht=\"";
                AppendNumber(out, height);
                out += "\" customHeight=\"1\"";
            }
            if (extra) {
                out += *extra;
            }
            const size_t rowOpen = out.size();
            out += '>';
            const std::string rowName = std::to_string(r + 1);
            for (size_t i = 0; i < cells.size();) {
                const int32_t c = cells[i].column;
                const Variant* value = nullptr;
                const std::string* formula = nullptr;
                for (; i < cells.size() && cells[i].column == c; ++i) {
                    value = cells[i].value ? cells[i].value : value;
                    formula = cells[i].formula ? cells[i].formula : formula;
                }
                const size_t cc = static_cast<size_t>(c);
                const uint32_t id = idAt(r, cc);
                const uint32_t format = m_styles.FormatOf(
                    id, table.Get(idAt(r, cc + 1)).left, table.Get(idAt(r + 1, cc)).top);
                if (!value && !formula && format == m_columnFormat[cc]) {
                    continue;
                }
                out += "<c r=\"";
                out += names[cc];
                out += rowName;
                out += '"';
                if (format != 0) {
                    out += " s=\"";
                    AppendInt(out, format);
                    out += '"';
                }
                std::string v;
                const char* type = nullptr;
                if (value) {
                    switch (value->Type()) {
                    case VarType::String:
                        if (formula) {
                            type = "str";
                            AppendEscaped(v, value->ToString());
                        } else {
                            type = "s";
                            AppendInt(v, m_strings.IndexOf(value->ToString()));
                        }
                        break;
                    case VarType::Boolean:
                        type = "b";
                        v = value->ToBool() ? "1" : "0";
                        break;
                    case VarType::Error:
                        type = "e";
                        v = model::errorvalues::NameOf(*value);
                        break;
                    case VarType::Date: {
                        double serial = value->ToDouble();
                        if (m_bDate1904) {
                            serial -= 1462;
                        } else if (serial >= 1 && serial < 61) {
                            serial -= 1;
                        }
                        AppendNumber(v, serial);
                        break;
                    }
                    case VarType::Integer:
                    case VarType::Long:
                    case VarType::Single:
                    case VarType::Double:
                        AppendNumber(v, value->ToDouble());
                        break;
                    default:
                        break;
                    }
                }
                if (type) {
                    out += " t=\"";
                    out += type;
                    out += '"';
                }
                out += '>';
                if (formula) {
                    out += "<f";
                    if (m_pSource) {
                        const auto it = m_pSource->formulaAttributes.find(model::KeyOf(r, c));
                        if (it != m_pSource->formulaAttributes.end() && it->second.second == *formula) {
                            out += it->second.first;
                        }
                    }
                    out += '>';
                    AppendEscaped(out, *formula);
                    out += "</f>";
                }
                if (!v.empty() || type) {
                    out += "<v>";
                    out += v;
                    out += "</v>";
                }
                out += "</c>";
            }
            // A row with nothing of its own is not written.
            if (out.size() == rowOpen + 1 && height == m_defaultHeight && !extra) {
                out.resize(rowStart);
                continue;
            }
            out += "</row>";
        }
    }
}

std::string SheetWriter::ColumnsText() const {
    // Runs of columns alike in width, format of their empty cells and the
    // <col> they were read from.
    const model::CellState& state = m_sheet.Store().State();
    std::vector<int32_t> sourceCol(kColumnCount, -1);
    if (m_pSource) {
        for (size_t i = 0; i < m_pSource->cols.size(); ++i) {
            const int64_t first = IntAttr(m_pSource->cols[i], "min", 1);
            const int64_t last = IntAttr(m_pSource->cols[i], "max", 1);
            std::fill(sourceCol.begin() + first - 1, sourceCol.begin() + last, static_cast<int32_t>(i));
        }
    }
    std::string out;
    int32_t c = 0;
    while (c < kColumnCount) {
        const double width = state.columnWidths.At(c);
        const uint32_t format = m_columnFormat[static_cast<size_t>(c)];
        const int32_t from = sourceCol[static_cast<size_t>(c)];
        int32_t d = c;
        while (d + 1 < kColumnCount && state.columnWidths.At(d + 1) == width &&
               m_columnFormat[static_cast<size_t>(d + 1)] == format &&
               sourceCol[static_cast<size_t>(d + 1)] == from) {
            ++d;
        }
        if (width != m_defaultWidth || format != 0 || from >= 0) {
            out += "<col min=\"";
            AppendInt(out, c + 1);
            out += "\" max=\"";
            AppendInt(out, d + 1);
            out += "\" width=\"";
            // A width the model did not change is written as the file had it.
            const pugi::xml_node col = from >= 0 ? m_pSource->cols[static_cast<size_t>(from)] : pugi::xml_node();
            if (col && col.attribute("width") &&
                SheetReader::ModelWidth(DoubleAttr(col, "width", 0)) == width) {
                out += col.attribute("width").value();
            } else {
                AppendNumber(out, SheetReader::FileWidth(width));
            }
            out += '"';
            if (format != 0) {
                out += " style=\"";
                AppendInt(out, format);
                out += '"';
            }
            if (width != m_defaultWidth) {
                out += " customWidth=\"1\"";
            }
            if (from >= 0) {
                const pugi::xml_node col = m_pSource->cols[static_cast<size_t>(from)];
                for (pugi::xml_attribute a = col.first_attribute(); a; a = a.next_attribute()) {
                    const std::string_view name = LocalName(a.name());
                    if (name != "min" && name != "max" && name != "width" && name != "style" &&
                        name != "customWidth") {
                        out += ' ';
                        out += a.name();
                        out += "=\"";
                        AppendEscaped(out, a.value());
                        out += '"';
                    }
                }
            }
            out += "/>";
        }
        c = d + 1;
    }
    return out;
}

void SheetWriter::UpdateView(pugi::xml_node root) {
    const std::string prefix = PrefixOf(root);
    pugi::xml_node views = Child(root, "sheetViews");
    if (!views) {
        views = InsertChild(root, prefix + "sheetViews",
                            {"sheetFormatPr", "cols", "sheetData"});
    }
    pugi::xml_node view = Child(views, "sheetView");
    if (!view) {
        view = views.prepend_child((prefix + "sheetView").c_str());
        SetText(view, "workbookViewId", "0");
    }
    SetBool(view, "tabSelected", m_bActive, false);
    SetBool(view, "showGridLines", m_sheet.DisplayGridlines(), true);
    SetBool(view, "showRowColHeaders", m_sheet.DisplayHeadings(), true);
    SetBool(view, "showZeros", m_sheet.DisplayZeros(), true);
    const uint32_t grid = m_sheet.GridlineColorValue();
    if (grid == model::kAutoColor) {
        SetBool(view, "defaultGridColor", true, true);
    } else {
        const int32_t index = model::palette::NearestIndex(grid);
        SetBool(view, "defaultGridColor", false, true);
        SetText(view, "colorId", std::to_string(index + 7));
    }
    UpdatePane(view, prefix);
    const model::SheetView& state = m_sheet.View();
    if (m_pSource && state == m_pSource->view) {
        return;
    }
    if (state.topRow != 0 || state.leftColumn != 0 || view.attribute("topLeftCell")) {
        SetText(view, "topLeftCell", CellName(state.topRow, state.leftColumn));
    }
    pugi::xml_node selection = Child(view, "selection");
    if (!selection) {
        const pugi::xml_node pane = Child(view, "pane");
        selection = pane ? view.insert_child_after((prefix + "selection").c_str(), pane)
                         : view.prepend_child((prefix + "selection").c_str());
    }
    SetText(selection, "activeCell", CellName(state.activeRow, state.activeColumn));
    const model::CellRect& s = state.selection;
    SetText(selection, "sqref",
            s.CellCount() == 1 ? CellName(s.firstRow, s.firstColumn)
                               : CellName(s.firstRow, s.firstColumn) + ":" + CellName(s.lastRow, s.lastColumn));
}

void SheetWriter::UpdatePane(pugi::xml_node view, const std::string& prefix) {
    pugi::xml_node pane = Child(view, "pane");
    const int32_t rows = m_sheet.SplitRow();
    const int32_t columns = m_sheet.SplitColumn();
    if (rows == 0 && columns == 0) {
        // A split that is not frozen is no frozen pane: it stays as it was.
        if (pane && std::string_view(Attr(pane, "state").value()).starts_with("frozen")) {
            view.remove_child(pane);
            for (pugi::xml_node n = Child(view, "selection"); n;) {
                const pugi::xml_node next = n.next_sibling();
                if (Is(n, "selection") && n.attribute("pane")) {
                    view.remove_child(n);
                }
                n = next;
            }
        }
        return;
    }
    if (!pane) {
        pane = view.prepend_child((prefix + "pane").c_str());
    }
    const std::pair<const char*, int32_t> splits[] = {{"xSplit", columns}, {"ySplit", rows}};
    for (const auto& [name, count] : splits) {
        if (count == 0) {
            pane.remove_attribute(name);
        } else {
            SetText(pane, name, std::to_string(count));
        }
    }
    SetText(pane, "topLeftCell", CellName(rows, columns));
    SetText(pane, "activePane", rows && columns ? "bottomRight" : rows ? "bottomLeft" : "topRight");
    SetText(pane, "state", "frozen");
}

void SheetWriter::UpdateProtection(pugi::xml_node root, const std::string& prefix) {
    const model::SheetProtection& protection = m_sheet.Protection();
    pugi::xml_node node = Child(root, "sheetProtection");
    if (!protection.on) {
        if (node) {
            root.remove_child(node);
        }
        return;
    }
    if (!node) {
        node = InsertChild(root, prefix + "sheetProtection",
                           {"protectedRanges", "scenarios", "autoFilter", "sortState",
                            "dataConsolidate", "customSheetViews", "mergeCells", "phoneticPr",
                            "conditionalFormatting", "dataValidations", "hyperlinks",
                            "printOptions", "pageMargins", "pageSetup", "headerFooter",
                            "rowBreaks", "colBreaks", "customProperties", "cellWatches",
                            "ignoredErrors", "smartTags", "drawing", "legacyDrawing",
                            "legacyDrawingHF", "drawingHF", "picture", "oleObjects", "controls",
                            "webPublishItems", "tableParts", "extLst"});
        SetText(node, "objects", "1");
        SetText(node, "scenarios", "1");
    }
    SetBool(node, "sheet", true, false);
    // The password in the form it has: the salted hash, or the legacy one as read.
    const model::password::SaltedHash& hash = protection.hash;
    for (const char* name : {"algorithmName", "hashValue", "saltValue", "spinCount", "password"}) {
        node.remove_attribute(name);
    }
    if (!hash.hashValue.empty()) {
        SetText(node, "algorithmName", hash.algorithm);
        SetText(node, "hashValue", hash.hashValue);
        SetText(node, "saltValue", hash.saltValue);
        SetText(node, "spinCount", std::to_string(hash.spinCount));
    } else if (!protection.legacyHash.empty()) {
        SetText(node, "password", protection.legacyHash);
    }
}

std::string SheetWriter::Text(const std::string& drawingId, const std::function<void(std::string)>& take) {
    ComputeColumns();
    pugi::xml_document part;
    if (m_pSource && m_pSource->part) {
        part.reset(*m_pSource->part);
    } else {
        part.load_string(kNewSheet);
    }
    pugi::xml_node root = part.document_element();
    const std::string prefix = PrefixOf(root);
    const std::string sheetDataTag = "<" + prefix + "sheetData/>";
    const std::string colsTag = "<" + prefix + "cols/>";

    if (pugi::xml_node dimension = Child(root, "dimension")) {
        SetText(dimension, "ref", m_dimension);
    }
    UpdateView(root);
    UpdateProtection(root, prefix);
    pugi::xml_node formatPr = Child(root, "sheetFormatPr");
    if (!formatPr) {
        formatPr = InsertChild(root, prefix + "sheetFormatPr", {"cols", "sheetData"});
    }
    if (DoubleAttr(formatPr, "defaultRowHeight", -1) != m_defaultHeight) {
        std::string height;
        AppendNumber(height, m_defaultHeight);
        SetText(formatPr, "defaultRowHeight", height);
    }
    if (formatPr.attribute("defaultColWidth") || m_defaultWidth != 8.43) {
        if (SheetReader::ModelWidth(DoubleAttr(formatPr, "defaultColWidth", -1)) != m_defaultWidth) {
            std::string width;
            AppendNumber(width, SheetReader::FileWidth(m_defaultWidth));
            SetText(formatPr, "defaultColWidth", width);
        }
    }
    while (pugi::xml_node cols = Child(root, "cols")) {
        root.remove_child(cols);
    }
    const std::string columns = ColumnsText();
    if (!columns.empty()) {
        root.insert_child_before((prefix + "cols").c_str(), Child(root, "sheetData"));
    }
    // The merge areas are the model's: those the file had are written anew.
    while (pugi::xml_node merges = Child(root, "mergeCells")) {
        root.remove_child(merges);
    }
    if (const auto& areas = m_sheet.Store().Merges().Areas(); !areas.empty()) {
        pugi::xml_node merges =
            InsertChild(root, prefix + "mergeCells",
                        {"phoneticPr", "conditionalFormatting", "dataValidations", "hyperlinks",
                         "printOptions", "pageMargins", "pageSetup", "headerFooter", "rowBreaks",
                         "colBreaks", "customProperties", "cellWatches", "ignoredErrors",
                         "smartTags", "drawing", "legacyDrawing", "legacyDrawingHF", "drawingHF",
                         "picture", "oleObjects", "controls", "webPublishItems", "tableParts",
                         "extLst"});
        SetText(merges, "count", std::to_string(areas.size()));
        for (const model::CellRect& a : areas) {
            SetText(merges.append_child((prefix + "mergeCell").c_str()), "ref",
                    CellName(a.firstRow, a.firstColumn) + ":" + CellName(a.lastRow, a.lastColumn));
        }
    }
    pugi::xml_node legacy = Child(root, "legacyDrawing");
    if (drawingId.empty()) {
        if (legacy) {
            root.remove_child(legacy);
        }
    } else {
        if (!legacy) {
            legacy = InsertChild(root, prefix + "legacyDrawing",
                                 {"legacyDrawingHF", "drawingHF", "picture", "oleObjects", "controls",
                                  "webPublishItems", "tableParts", "extLst"});
        }
        // The relationships namespace under whatever prefix the part declares.
        std::string relPrefix = "r";
        for (pugi::xml_attribute a = root.first_attribute(); a; a = a.next_attribute()) {
            const std::string_view name = a.name();
            if (name.substr(0, 6) == "xmlns:" &&
                std::string_view(a.value()) == "http://schemas.openxmlformats.org/officeDocument/2006/relationships") {
                relPrefix = std::string(name.substr(6));
            }
        }
        if (!root.attribute(("xmlns:" + relPrefix).c_str())) {
            SetText(root, ("xmlns:" + relPrefix).c_str(),
                    "http://schemas.openxmlformats.org/officeDocument/2006/relationships");
        }
        while (legacy.first_attribute()) {
            legacy.remove_attribute(legacy.first_attribute());
        }
        SetText(legacy, (relPrefix + ":id").c_str(), drawingId);
    }

    const std::string skeleton = ToText(part);
    const size_t at = skeleton.find(sheetDataTag);
    std::string out;
    out.reserve(std::min<size_t>(take ? kPieceSize * 2 : size_t{1} << 28,
                                 static_cast<size_t>(std::max(m_lastRow, 0)) * 48 * static_cast<size_t>(m_lastColumn + 1)));
    std::string head = skeleton.substr(0, at);
    if (const size_t colsAt = head.find(colsTag); colsAt != std::string::npos) {
        head.replace(colsAt, colsTag.size(), "<" + prefix + "cols>" + columns + "</" + prefix + "cols>");
    }
    out += head;
    out += "<" + prefix + "sheetData>";
    WriteRows(out, take);
    out += "</" + prefix + "sheetData>";
    out.append(skeleton, at + sheetDataTag.size());
    return out;
}

} // namespace vantor::xlsx
