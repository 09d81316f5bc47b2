#pragma once

#include <string>

namespace vantor::numfmt {

// Why a format code was refused: a readable description and the 1-based character position
// (Unicode characters, not bytes) it points at.
class FormatError {
public:
    FormatError() = default;
    FormatError(std::string description, int position)
        : m_description(std::move(description)), m_position(position) {}

    const std::string& Description() const { return m_description; }
    int Position() const { return m_position; }

private:
    std::string m_description;
    int m_position = 0;
};

} // namespace vantor::numfmt
