#pragma once

#include "model/numfmt/FormatSection.hpp"
#include "model/numfmt/RenderTarget.hpp"

namespace vantor::numfmt {

// Renders a number section (with or without exponent) for a non-negative value; the caller
// writes the sign.
void AppendNumberSection(RenderTarget& target, const FormatSection& section, double absValue);

// Renders a fraction section (# ?/?, ?/8 ...) for a non-negative value.
void AppendFractionSection(RenderTarget& target, const FormatSection& section, double absValue);

// The closest fraction to value (>= 0) whose denominator is at most maxDenominator.
void BestFraction(double value, long long maxDenominator, double& numerator,
                  long long& denominator);

} // namespace vantor::numfmt
