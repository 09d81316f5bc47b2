#pragma once
#include "model/numfmt/FormatCode.hpp"
#include "model/numfmt/FormatRecognition.hpp"
#include "vantor/automation/MemberTable.hpp"

#include <memory>
#include <string>

namespace vantor::model {

// One number format of the application: its code, the category and options
// recognised from it, and the rendering of a value.
class NumberFormatObject : public DispatchObject<NumberFormatObject> {
public:
    explicit NumberFormatObject(std::shared_ptr<const numfmt::FormatCode> code);

    static const MemberTable<NumberFormatObject>& Members();
    std::string TypeName() const override { return "NumberFormat"; }
    std::string DisplayName() const override { return "NumberFormat(" + Code() + ")"; }

    const std::string& Code() const { return m_pCode->Code(); }
    const numfmt::FormatInfo& Info() const { return m_info; }
    // The value as this format shows it: numbers, dates, Booleans, texts;
    // Null stays Null.
    Variant Format(const Variant& value) const;

private:
    std::shared_ptr<const numfmt::FormatCode> m_pCode;
    numfmt::FormatInfo m_info;
};

} // namespace vantor::model
