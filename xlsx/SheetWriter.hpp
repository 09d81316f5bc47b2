#pragma once
#include "xlsx/SourcePackage.hpp"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vantor::model {
class Worksheet;
}

namespace vantor::xlsx {

class StylesWriter;

// The shared strings of a save, each text once, in order of first use. A
// save asks for every text cell's index, so the lookup is an open-addressed
// table of hashes: fewer memory reads than a node-based map.
struct SharedStrings {
    std::vector<const std::string*> texts;
    uint32_t references = 0;
    uint32_t IndexOf(const std::string& text);

private:
    void Grow();

    std::deque<std::string> m_store; // the texts, at stable addresses
    struct Slot {
        size_t hash = 0;
        uint32_t entry = 0; // index + 1; 0 for a free slot
    };
    std::vector<Slot> m_slots; // a power of two, at most half full
};

// Writes one worksheet part: the cells are written straight to text, row by
// row; the rest of the part comes from the part as read (or a new one), with
// the sheet's view, sizes and column formats of the model.
class SheetWriter {
public:
    SheetWriter(const model::Worksheet& sheet, const SourceSheet* source, StylesWriter& styles,
                SharedStrings& strings, bool date1904, bool active);

    // The part's text; `drawingId` names the relationship of the notes' drawing ("" for none).
    // With `take`, the text is handed to it a few megabytes at a time as it
    // is written, and what is returned is the rest.
    std::string Text(const std::string& drawingId, const std::function<void(std::string)>& take = {});
    // The format record of the sheet's empty cells at the top left, the one
    // every cell without one of its own has.
    static uint32_t BackgroundFormat(const model::Worksheet& sheet, StylesWriter& styles);

private:
    void ComputeColumns();
    void WriteRows(std::string& out, const std::function<void(std::string)>& take);
    void UpdatePane(pugi::xml_node view, const std::string& prefix);
    void UpdateProtection(pugi::xml_node root, const std::string& prefix);
    void UpdateView(pugi::xml_node root);
    std::string ColumnsText() const;

    const model::Worksheet& m_sheet;
    const SourceSheet* m_pSource;
    StylesWriter& m_styles;
    SharedStrings& m_strings;
    bool m_bDate1904;
    bool m_bActive;
    std::vector<uint32_t> m_background;    // style id of each column's empty cells
    std::vector<uint32_t> m_columnFormat;  // format record of each column's empty cells
    int32_t m_lastColumn = -1;             // the last column any cell is written in
    int32_t m_lastRow = -1;
    double m_defaultHeight = 15;
    double m_defaultWidth = 8.43;
    std::string m_dimension = "A1";
};

} // namespace vantor::xlsx
