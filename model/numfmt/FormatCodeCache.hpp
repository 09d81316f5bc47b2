#pragma once
#include "vantor/Export.h"

#include "model/numfmt/CompileResult.hpp"

#include <cstddef>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vantor::numfmt {

// Compiled format codes by code text, so that each code is parsed once. Refusals are kept
// too. The cache holds at most its capacity of codes and forgets the least recently used one
// beyond that; codes too long to be valid are refused without being kept. Not synchronised:
// one owner, or the owner's lock, per cache.
class VANTOR_API FormatCodeCache {
public:
    // A compiled code of 255 characters takes a few kilobytes at most, so the default bounds
    // the cache to some megabytes.
    static constexpr std::size_t DefaultCapacity = 2048;

    explicit FormatCodeCache(std::size_t capacity = DefaultCapacity);

    CompileResult Get(std::string_view code);

    std::size_t Size() const { return m_entries.size(); }
    std::size_t Capacity() const { return m_capacity; }
    void Clear();

private:
    struct Entry {
        std::string m_code;
        CompileResult m_result;
    };

    std::size_t m_capacity;
    std::list<Entry> m_entries; // most recently used first
    std::unordered_map<std::string_view, std::list<Entry>::iterator> m_index; // views m_code
};

} // namespace vantor::numfmt
