#pragma once
#include "vantor/Export.h"

#include <string>

namespace vantor::numfmt {

// Why a format code was refused: a readable description, the 1-based character position
// (Unicode characters, not bytes) it points at and how many characters the bad part spans.
class VANTOR_API FormatError {
public:
    FormatError() = default;
    FormatError(std::string description, int position, int length = 1)
        : m_description(std::move(description)), m_position(position), m_length(length) {}

    const std::string& Description() const { return m_description; }
    int Position() const { return m_position; }
    int Length() const { return m_length; }

private:
    std::string m_description;
    int m_position = 0;
    int m_length = 0;
};

} // namespace vantor::numfmt
