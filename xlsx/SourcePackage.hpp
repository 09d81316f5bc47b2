#pragma once
#include "model/CellMap.hpp"
#include "model/Style.hpp"
#include "model/Worksheet.hpp"
#include "model/WorkbookSource.hpp"

#include <pugixml.hpp>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vantor::xlsx {

// A format record of the styles part as read: the model's style it gives a
// cell, the lines it puts on the cell's right and bottom edges (which the
// model keeps as the neighbours' left and top edges), and its elements.
struct SourceFormat {
    model::Style style;
    model::BorderLine right;
    model::BorderLine bottom;
    pugi::xml_node xf, font, fill, border;
};

// What a worksheet part held that the model does not: the part itself with
// an empty sheetData, each row's other attributes, each formula's attributes,
// and the notes and view as read.
struct SourceSheet {
    const model::Worksheet* sheet = nullptr;
    std::string partName;
    std::unique_ptr<pugi::xml_document> part;
    std::unique_ptr<pugi::xml_document> rels; // null when the part had none
    std::map<int32_t, std::string> rowAttributes;
    // Per formula cell: the attributes of its <f> and its text as read.
    std::unordered_map<model::CellKey, std::pair<std::string, std::string>> formulaAttributes;
    std::map<model::CellKey, std::string> notes;
    std::string commentsPart; // "" when none
    std::string vmlPart;
    bool vmlHasOtherShapes = false;
    model::SheetView view;
    // The columns as read: (last column, width, format record, <col> index) runs.
    std::vector<pugi::xml_node> cols;
};

// What a workbook file held, kept with the workbook so that a save carries
// through every part, element and attribute the model does not read.
class SourcePackage : public model::WorkbookSource {
public:
    std::string fileName;
    std::string workbookPart;  // "xl/workbook.xml"
    std::string stylesPart;    // "" when none
    std::string stringsPart;   // "" when none
    // Parts that are carried through as they are, in package order.
    std::vector<std::pair<std::string, std::string>> keptParts;
    pugi::xml_document contentTypes;
    pugi::xml_document rootRels;
    pugi::xml_document workbook;
    pugi::xml_document workbookRels;
    pugi::xml_document styles; // empty when the file had none
    std::vector<SourceFormat> formats;
    std::unordered_map<std::string, std::string> richStrings; // plain text -> its <si>
    std::vector<SourceSheet> sheets;
    // The workbook's own part, when the file had one.
    std::string extrasPart;
    const SourceSheet* SheetOf(const model::Worksheet* sheet) const {
        for (const auto& s : sheets) {
            if (s.sheet == sheet) {
                return &s;
            }
        }
        return nullptr;
    }
};

} // namespace vantor::xlsx
