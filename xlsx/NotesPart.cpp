#include "xlsx/NotesPart.hpp"

#include "model/CellAddress.hpp"
#include "xlsx/XmlText.hpp"

#include <pugixml.hpp>

namespace vantor::xlsx::notes {

using namespace xml;

bool Read(const std::string& text, std::map<model::CellKey, std::string>& notes) {
    pugi::xml_document doc;
    if (!doc.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata)) {
        return false;
    }
    for (pugi::xml_node comment : Child(doc.document_element(), "commentList").children()) {
        if (!Is(comment, "comment")) {
            continue;
        }
        model::CellRect rect;
        try {
            rect = model::ParseAddress(Attr(comment, "ref").value());
        } catch (const std::exception&) {
            return false;
        }
        std::string note;
        const pugi::xml_node body = Child(comment, "text");
        for (pugi::xml_node n = body.first_child(); n; n = n.next_sibling()) {
            if (Is(n, "t")) {
                note += n.text().get();
            } else if (Is(n, "r")) {
                note += Child(n, "t").text().get();
            }
        }
        notes[model::KeyOf(rect.firstRow, rect.firstColumn)] = note;
    }
    return true;
}

bool HasOtherShapes(const std::string& vml) {
    // Each shape of a note says so in its client data.
    size_t shapes = 0;
    for (size_t at = vml.find("<v:shape "); at != std::string::npos; at = vml.find("<v:shape ", at + 1)) {
        ++shapes;
    }
    size_t notes = 0;
    for (size_t at = vml.find("ObjectType=\"Note\""); at != std::string::npos;
         at = vml.find("ObjectType=\"Note\"", at + 1)) {
        ++notes;
    }
    return shapes != notes || vml.find("<v:image") != std::string::npos;
}

std::string CommentsText(const std::map<model::CellKey, std::string>& notes) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                      "<comments xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                      "<authors><author></author></authors><commentList>";
    for (const auto& [key, text] : notes) {
        out += "<comment ref=\"" + model::ColumnName(model::ColumnOf(key)) +
               std::to_string(model::RowOf(key) + 1) +
               "\" authorId=\"0\"><text><t xml:space=\"preserve\">";
        AppendEscaped(out, text);
        out += "</t></text></comment>";
    }
    return out + "</commentList></comments>";
}

std::string DrawingText(const std::map<model::CellKey, std::string>& notes) {
    std::string out =
        "<xml xmlns:v=\"urn:schemas-microsoft-com:vml\" xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\">"
        "<o:shapelayout v:ext=\"edit\"><o:idmap v:ext=\"edit\" data=\"1\"/></o:shapelayout>"
        "<v:shapetype id=\"_x0000_t202\" coordsize=\"21600,21600\" o:spt=\"202\" path=\"m,l,21600r21600,l21600,xe\">"
        "<v:stroke joinstyle=\"miter\"/><v:path gradientshapeok=\"t\" o:connecttype=\"rect\"/></v:shapetype>";
    int id = 1025;
    for (const auto& [key, text] : notes) {
        const int32_t row = model::RowOf(key);
        const int32_t column = model::ColumnOf(key);
        out += "<v:shape id=\"_x0000_s" + std::to_string(id++) +
               "\" type=\"#_x0000_t202\" style=\"position:absolute;margin-left:59.25pt;margin-top:1.5pt;"
               "width:108pt;height:59.25pt;z-index:1;visibility:hidden\" fillcolor=\"#ffffe1\" o:insetmode=\"auto\">"
               "<v:fill color2=\"#ffffe1\"/><v:shadow on=\"t\" color=\"black\" obscured=\"t\"/>"
               "<v:path o:connecttype=\"none\"/><v:textbox style=\"mso-direction-alt:auto\"><div style=\"text-align:left\"></div></v:textbox>"
               "<x:ClientData ObjectType=\"Note\"><x:MoveWithCells/><x:SizeWithCells/><x:Anchor>" +
               std::to_string(column + 1) + ", 15, " + std::to_string(row) + ", 10, " +
               std::to_string(column + 3) + ", 15, " + std::to_string(row + 4) +
               ", 4</x:Anchor><x:AutoFill>False</x:AutoFill><x:Row>" + std::to_string(row) +
               "</x:Row><x:Column>" + std::to_string(column) + "</x:Column></x:ClientData></v:shape>";
    }
    return out + "</xml>";
}

} // namespace vantor::xlsx::notes
