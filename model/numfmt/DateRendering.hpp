#pragma once

#include "model/numfmt/FormatSection.hpp"
#include "model/numfmt/RenderTarget.hpp"

namespace vantor::numfmt {

// Renders a date section for a serial date-time. Returns false when the value is no date
// (negative, or after 9999-12-31); the caller then shows hashes.
bool AppendDateSection(RenderTarget& target, const FormatSection& section, double serial);

} // namespace vantor::numfmt
