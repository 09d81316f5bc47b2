#pragma once
#include "vantor/automation/Variant.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor::model {

// What a text typed into a cell stands for: the value to store and the number
// format that shows it as typed ("" leaves the cell's format alone).
//
// Recognised, after blanks around the text: a number (a sign, thousands
// separators in groups of three, decimals, an exponent), a percentage
// ("12.5%": format "0%", or "0.00%" when decimals were typed), an ISO date
// ("2026-12-07", format "yyyy-mm-dd"), a time ("9:05" or "09:05:30", format
// "hh:mm" or "hh:mm:ss"), TRUE or FALSE in any case. Anything else is text as
// typed; a leading apostrophe forces text and is not kept. An empty entry
// empties the cell. With fixed decimal places, a number typed without a
// decimal point is taken as that many places ("1234" with 2 is 12.34; -2
// gives 123400).
class CellEntry {
public:
    static CellEntry Recognize(std::string_view typed, std::optional<int32_t> fixedPlaces = {});

    const Variant& Value() const { return m_vtValue; }
    const std::string& NumberFormat() const { return m_strFormat; }

private:
    CellEntry(Variant value, std::string format)
        : m_vtValue(std::move(value)), m_strFormat(std::move(format)) {}

    Variant m_vtValue;
    std::string m_strFormat;
};

} // namespace vantor::model
