#pragma once
#include "model/NumberFormatObject.hpp"
#include "model/numfmt/FormatCodeCache.hpp"
#include "vantor/automation/MemberTable.hpp"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vantor::model {

class Application;

// The application's number formats: the built-in formats of every category,
// the codes the workbooks' cells use, and the codes added, each once, in that
// order. "Item"(code) finds one (Nothing when unknown), "Add"(code) registers
// one, "Format"(code, value) renders a value, "Check"(code) says what is
// wrong with a code (Empty for a good one).
class NumberFormats : public DispatchObject<NumberFormats> {
public:
    explicit NumberFormats(std::weak_ptr<Application> app);

    static const MemberTable<NumberFormats>& Members();
    std::string TypeName() const override { return "NumberFormats"; }
    std::vector<Variant> Enumerate() override;

    // The compiled code, or 1004 naming what is wrong and where.
    std::shared_ptr<const numfmt::FormatCode> Compile(const std::string& code);
    // The format of a code it holds, or null.
    std::shared_ptr<NumberFormatObject> Find(const std::string& code);
    // Registers a valid code once; adding it again gives the same format.
    std::shared_ptr<NumberFormatObject> Add(const std::string& code);

    // The built-in codes, category by category.
    static const std::vector<std::string>& BuiltInCodes();

private:
    // Takes in the codes the workbooks' cells use, after the ones known so far.
    void TakeWorkbookCodes();

    std::weak_ptr<Application> m_pApp;
    numfmt::FormatCodeCache m_cache;
    std::vector<std::shared_ptr<NumberFormatObject>> m_formats;
    std::unordered_map<std::string, size_t> m_byCode;
};

} // namespace vantor::model
