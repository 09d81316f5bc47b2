#include "xlsx/PackagePaths.hpp"

#include "xlsx/XmlText.hpp"

#include <vector>

namespace vantor::xlsx::paths {

std::string RelsOf(const std::string& part) {
    const size_t slash = part.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : part.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? part : part.substr(slash + 1);
    return folder + "_rels/" + name + ".rels";
}

std::string Resolve(const std::string& part, const std::string& target) {
    std::string path;
    if (!target.empty() && target[0] == '/') {
        path = target.substr(1);
    } else {
        const size_t slash = part.rfind('/');
        path = (slash == std::string::npos ? "" : part.substr(0, slash + 1)) + target;
    }
    std::vector<std::string> segments;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t end = std::min(path.find('/', start), path.size());
        const std::string segment = path.substr(start, end - start);
        if (segment == "..") {
            if (!segments.empty()) {
                segments.pop_back();
            }
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    std::string out;
    for (const auto& s : segments) {
        out += out.empty() ? s : "/" + s;
    }
    return out;
}

std::string Relative(const std::string& from, const std::string& part) {
    const size_t slash = from.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : from.substr(0, slash + 1);
    if (!folder.empty() && part.compare(0, folder.size(), folder) == 0) {
        return part.substr(folder.size());
    }
    return "/" + part;
}

bool TypeIs(std::string_view type, std::string_view name) {
    return type.size() > name.size() && type.substr(type.size() - name.size()) == name &&
           type[type.size() - name.size() - 1] == '/';
}

std::string TargetOfType(const pugi::xml_document& rels, const std::string& part,
                         std::string_view name) {
    for (pugi::xml_node r : rels.document_element().children()) {
        if (xml::Is(r, "Relationship") && TypeIs(xml::Attr(r, "Type").value(), name) &&
            std::string_view(xml::Attr(r, "TargetMode").value()) != "External") {
            return Resolve(part, xml::Attr(r, "Target").value());
        }
    }
    return {};
}

std::string TargetOfId(const pugi::xml_document& rels, const std::string& part,
                       std::string_view id) {
    for (pugi::xml_node r : rels.document_element().children()) {
        if (xml::Is(r, "Relationship") && xml::Attr(r, "Id").value() == id) {
            return Resolve(part, xml::Attr(r, "Target").value());
        }
    }
    return {};
}

} // namespace vantor::xlsx::paths
