#pragma once
#include "model/Style.hpp"
#include "vantor/automation/MemberTable.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vantor::model {

class CellStyle;
class Range;
class Workbook;

// The named cell styles of a workbook, "Styles": six built in ("Normal",
// "Percent", "Comma", "Comma [0]", "Currency", "Currency [0]"), then the
// user's. Names are unique without regard to case. Each style has an id that
// is never given again, which the cells' styles refer to.
class NamedStyles : public DispatchObject<NamedStyles> {
public:
    explicit NamedStyles(const std::shared_ptr<Workbook>& book);

    static const MemberTable<NamedStyles>& Members();
    std::string TypeName() const override { return "Styles"; }
    std::vector<Variant> Enumerate() override;

    const std::vector<std::shared_ptr<CellStyle>>& Items() const { return m_styles; }
    // By name without regard to case, or null.
    std::shared_ptr<CellStyle> Find(const std::string& name) const;
    // The style of an id, or null once it is deleted.
    std::shared_ptr<CellStyle> ById(uint32_t id) const;
    // The name cells with the style id read: "Normal" for a style deleted.
    std::string NameOf(uint32_t id) const;

    // A new style with the format of `from`'s first cell, or Normal's, every
    // group included; one undo step. Refused with 1004 for an empty name or
    // one already used.
    std::shared_ptr<CellStyle> Add(const std::string& name, const Range* from);
    // Deletes a style that is not built in; its cells keep their formats and
    // take "Normal" as their style name. One undo step.
    void Delete(const std::shared_ptr<CellStyle>& style);
    // A style as a file gives it, without an undo step: the style of this
    // name takes the format and groups (bit g for group g), or a new one is
    // made. Returns its id.
    uint32_t Load(const std::string& name, const Style& format, const BorderLine& bottom,
                  const BorderLine& right, unsigned includes);

private:
    std::shared_ptr<CellStyle> Create(const std::string& name, bool builtIn, unsigned includes);
    void Record(const std::vector<std::shared_ptr<CellStyle>>& before);

    std::weak_ptr<Workbook> m_pBook;
    std::vector<std::shared_ptr<CellStyle>> m_styles;
    uint32_t m_nNextId = 0;
};

} // namespace vantor::model
