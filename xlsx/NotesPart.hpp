#pragma once
#include "model/CellMap.hpp"

#include <map>
#include <string>

// Notes in a workbook file: the comments part holds their texts, and a
// drawing in the legacy vector format makes other programs show them.
namespace vantor::xlsx::notes {

// The notes of a comments part by cell; false when it does not parse.
bool Read(const std::string& text, std::map<model::CellKey, std::string>& notes);
// Whether a drawing holds shapes other than notes (controls, pictures).
bool HasOtherShapes(const std::string& vml);

std::string CommentsText(const std::map<model::CellKey, std::string>& notes);
std::string DrawingText(const std::map<model::CellKey, std::string>& notes);

} // namespace vantor::xlsx::notes
