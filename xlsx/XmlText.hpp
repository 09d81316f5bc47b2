#pragma once
#include <pugixml.hpp>

#include <cstdint>
#include <string>
#include <string_view>

// Small helpers over pugixml for the parts of a workbook: elements are matched
// by local name, so a part that spells its elements with a namespace prefix
// reads as one that does not; and the text side of the streaming writer.
namespace vantor::xlsx::xml {

std::string_view LocalName(const char* name);
bool Is(const pugi::xml_node& node, std::string_view localName);
pugi::xml_node Child(const pugi::xml_node& node, std::string_view localName);
// The attribute by local name ("r:id" answers "id").
pugi::xml_attribute Attr(const pugi::xml_node& node, std::string_view localName);

// Attribute values as the schema's types read: xsd:boolean ("1"/"true"), numbers.
bool BoolAttr(const pugi::xml_node& node, std::string_view name, bool fallback);
double DoubleAttr(const pugi::xml_node& node, std::string_view name, double fallback);
// Refuses nothing: the caller checks the range.
int64_t IntAttr(const pugi::xml_node& node, std::string_view name, int64_t fallback);

// The element with its children as text, with no added white space; a
// document with the standard declaration first.
std::string ToText(const pugi::xml_node& node);
std::string ToText(const pugi::xml_document& document);

// Appends text escaped for an element's content or an attribute value;
// characters XML cannot hold are dropped.
void AppendEscaped(std::string& out, std::string_view text);
// The shortest text that reads back as the same double.
void AppendNumber(std::string& out, double value);

// Parses a part; refuses malformed XML naming the file, part, line and reason.
void Parse(pugi::xml_document& document, const std::string& text, const std::string& file,
           const std::string& part);

} // namespace vantor::xlsx::xml
