#pragma once
#include <pugixml.hpp>

#include <string>
#include <string_view>

// Names inside a package: relationship parts, targets, types.
namespace vantor::xlsx::paths {

constexpr const char* kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* kDocumentRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
// Our own part: the properties the format has no place for.
constexpr const char* kExtrasNamespace = "urn:vantor:workbook-extras:1";
constexpr const char* kExtrasRelationship = "urn:vantor:relationships:workbook-extras";
constexpr const char* kExtrasContentType = "application/vnd.vantor.workbook-extras+xml";

// "xl/_rels/workbook.xml.rels" for "xl/workbook.xml".
std::string RelsOf(const std::string& part);
// A relationship's target resolved against the part it belongs to.
std::string Resolve(const std::string& part, const std::string& target);
// A part's name relative to another part's folder ("worksheets/sheet1.xml").
std::string Relative(const std::string& from, const std::string& part);
// Whether a relationship type ends with "/name" (any schema version).
bool TypeIs(std::string_view type, std::string_view name);
// The target of the first relationship of this type, resolved, or "".
std::string TargetOfType(const pugi::xml_document& rels, const std::string& part, std::string_view name);
// The resolved target of a relationship id, or "".
std::string TargetOfId(const pugi::xml_document& rels, const std::string& part, std::string_view id);

} // namespace vantor::xlsx::paths
