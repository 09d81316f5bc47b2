#include "xlsx/XmlText.hpp"

#include "xlsx/Refusal.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace vantor::xlsx::xml {

std::string_view LocalName(const char* name) {
    const std::string_view full(name);
    const size_t colon = full.find(':');
    return colon == std::string_view::npos ? full : full.substr(colon + 1);
}

bool Is(const pugi::xml_node& node, std::string_view localName) {
    return node.type() == pugi::node_element && LocalName(node.name()) == localName;
}

pugi::xml_node Child(const pugi::xml_node& node, std::string_view localName) {
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (Is(child, localName)) {
            return child;
        }
    }
    return {};
}

pugi::xml_attribute Attr(const pugi::xml_node& node, std::string_view localName) {
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        if (LocalName(a.name()) == localName) {
            return a;
        }
    }
    return {};
}

bool BoolAttr(const pugi::xml_node& node, std::string_view name, bool fallback) {
    const pugi::xml_attribute a = Attr(node, name);
    if (!a) {
        return fallback;
    }
    const std::string_view v = a.value();
    return v == "1" || v == "true";
}

double DoubleAttr(const pugi::xml_node& node, std::string_view name, double fallback) {
    const pugi::xml_attribute a = Attr(node, name);
    if (!a) {
        return fallback;
    }
    char* end = nullptr;
    const double v = std::strtod(a.value(), &end);
    return end == a.value() || !std::isfinite(v) ? fallback : v;
}

int64_t IntAttr(const pugi::xml_node& node, std::string_view name, int64_t fallback) {
    const pugi::xml_attribute a = Attr(node, name);
    if (!a) {
        return fallback;
    }
    const std::string_view v = a.value();
    int64_t out = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), out);
    return ec == std::errc() && end == v.data() + v.size() ? out : fallback;
}

namespace {

struct StringSink : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};

} // namespace

std::string ToText(const pugi::xml_node& node) {
    StringSink sink;
    node.print(sink, "", pugi::format_raw, pugi::encoding_utf8);
    return std::move(sink.text);
}

std::string ToText(const pugi::xml_document& document) {
    StringSink sink;
    sink.text = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
    for (pugi::xml_node n = document.first_child(); n; n = n.next_sibling()) {
        if (n.type() != pugi::node_declaration) {
            n.print(sink, "", pugi::format_raw, pugi::encoding_utf8);
        }
    }
    return std::move(sink.text);
}

void AppendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        case '\t':
            out += "&#9;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20) {
                out += c;
            }
        }
    }
}

void AppendNumber(std::string& out, double value) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, ec == std::errc() ? end : buffer);
}

void Parse(pugi::xml_document& document, const std::string& text, const std::string& file,
           const std::string& part) {
    const pugi::xml_parse_result result =
        document.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
    if (!result) {
        size_t line = 1;
        for (ptrdiff_t i = 0; i < result.offset && static_cast<size_t>(i) < text.size(); ++i) {
            line += text[static_cast<size_t>(i)] == '\n';
        }
        Refuse(file, part,
               "malformed XML at line " + std::to_string(line) + ": " + result.description());
    }
    if (!document.document_element()) {
        Refuse(file, part, "malformed XML: no root element");
    }
}

} // namespace vantor::xlsx::xml
