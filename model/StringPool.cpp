#include "model/StringPool.hpp"

namespace vantor::model {

uint32_t StringPool::Intern(std::string_view text) {
    std::string key(text);
    const auto it = m_ids.find(key);
    if (it != m_ids.end()) {
        return it->second;
    }
    const auto id = static_cast<uint32_t>(m_texts.size());
    m_texts.push_back(key);
    m_ids.emplace(std::move(key), id);
    return id;
}

} // namespace vantor::model
