#pragma once
#include "vantor/Export.h"

#include "model/numfmt/FormatError.hpp"

#include <memory>

namespace vantor::numfmt {

class FormatCode;

// What compiling a format code gives: the compiled code, or why it was refused.
class VANTOR_API CompileResult {
public:
    explicit CompileResult(std::shared_ptr<const FormatCode> code) : m_code(std::move(code)) {}
    explicit CompileResult(FormatError error) : m_error(std::move(error)) {}

    bool Ok() const { return m_code != nullptr; }
    // The compiled code; null when refused. Shared, immutable and cheap to keep.
    const std::shared_ptr<const FormatCode>& Code() const { return m_code; }
    const FormatError& Error() const { return m_error; }

private:
    std::shared_ptr<const FormatCode> m_code;
    FormatError m_error;
};

} // namespace vantor::numfmt
