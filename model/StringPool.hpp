#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantor::model {

// Texts stored once and named by a small id (font names, format codes).
class StringPool {
public:
    uint32_t Intern(std::string_view text);
    const std::string& Text(uint32_t id) const { return m_texts.at(id); }
    size_t Count() const { return m_texts.size(); }

private:
    std::vector<std::string> m_texts;
    std::unordered_map<std::string, uint32_t> m_ids;
};

} // namespace vantor::model
