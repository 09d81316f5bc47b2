#include "model/numfmt/FormatCodeCache.hpp"

#include "model/numfmt/FormatCode.hpp"
#include "model/numfmt/FormatCodeParser.hpp"

namespace vantor::numfmt {

FormatCodeCache::FormatCodeCache(std::size_t capacity) : m_capacity(capacity) {}

CompileResult FormatCodeCache::Get(std::string_view code) {
    // A UTF-8 character has at most 4 bytes: anything longer is refused for its length at
    // once, and neither hashed nor kept.
    constexpr std::size_t MaxCodeBytes = 4 * FormatCodeParser::MaxCodeLength;
    if (code.size() > MaxCodeBytes)
        return FormatCode::Compile(code);
    const auto found = m_index.find(code);
    if (found != m_index.end()) {
        m_entries.splice(m_entries.begin(), m_entries, found->second);
        return found->second->m_result;
    }
    CompileResult result = FormatCode::Compile(code);
    if (m_capacity == 0)
        return result;
    if (m_entries.size() >= m_capacity) {
        m_index.erase(m_entries.back().m_code);
        m_entries.pop_back();
    }
    m_entries.push_front(Entry{std::string(code), result});
    m_index.emplace(m_entries.front().m_code, m_entries.begin());
    return result;
}

void FormatCodeCache::Clear() {
    m_index.clear();
    m_entries.clear();
}

} // namespace vantor::numfmt
