#pragma once
#include "xlsx/SourcePackage.hpp"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::model {
class CellStore;
class Worksheet;
} // namespace vantor::model

namespace vantor::xlsx {

class PackageReader;
class StylesReader;

// Reads a worksheet part into a sheet of the model as it streams in: the
// rows are parsed a piece at a time, so the part is never held whole; the
// rest of the part is kept in the source with an empty sheetData. Cells and
// their style runs reach the model in one pass per sheet.
class SheetReader {
public:
    SheetReader(const PackageReader& package, const StylesReader* styles,
                const std::vector<std::string>& strings, bool date1904, SourceSheet& kept,
                model::Worksheet& sheet);
    void Read();

    // A column width of the file (characters with padding) as the model's, and back.
    static double ModelWidth(double fileWidth);
    static double FileWidth(double modelWidth);

private:
    struct Entry {
        int32_t row;
        uint32_t format;
    };
    void Take(std::string_view piece, bool last);
    // Parses and reads whole rows; false when the text does not parse.
    bool ParseRows(char* text, size_t size);
    void ReadRow(const pugi::xml_node& row);
    void ReadCell(const pugi::xml_node& cell, int32_t row, int32_t& column);
    [[noreturn]] void Fail(const std::string& what) const;
    void ReadLayout();
    void LoadStyles();

    const PackageReader& m_package;
    const StylesReader* m_pStyles;
    const std::vector<std::string>& m_strings;
    bool m_bDate1904;
    SourceSheet& m_kept;
    model::Worksheet& m_sheet;
    model::CellStore* m_pStore = nullptr;

    enum class Phase { Head, Rows, Tail } m_phase = Phase::Head;
    std::string m_buffer;
    size_t m_scanned = 0;
    bool m_bRowsFailed = false;
    std::string m_head, m_tail, m_prefix;
    int32_t m_lastRow = -1;
    std::vector<std::vector<Entry>> m_columns; // present cells with a format, by column
    std::vector<std::pair<int32_t, double>> m_heights;
};

} // namespace vantor::xlsx
