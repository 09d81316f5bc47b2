#pragma once
#include "vantor/automation/MemberTable.hpp"

#include <memory>
#include <string>
#include <vector>

namespace vantor::model {

// One kind of embedded control that cells can carry.
class ControlKind : public DispatchObject<ControlKind> {
public:
    ControlKind(std::string name, std::string caption, std::string description);
    static const MemberTable<ControlKind>& Members();
    std::string TypeName() const override { return "ControlKind"; }

    const std::string& Name() const { return m_strName; }

private:
    std::string m_strName;
    std::string m_strCaption;
    std::string m_strDescription;
};

// The kinds of embedded control the application offers: "Count", "Item" by
// 1-based index or by name, and for-each.
class ControlKinds : public DispatchObject<ControlKinds> {
public:
    ControlKinds();
    static const MemberTable<ControlKinds>& Members();
    std::string TypeName() const override { return "Controls"; }
    std::vector<Variant> Enumerate() override;

    int32_t Count() const { return static_cast<int32_t>(m_kinds.size()); }
    // 0 for "" (none), otherwise 1 + the index of the kind of that name; 1004 when unknown.
    uint16_t CodeOf(const std::string& name) const;
    // "" for 0, otherwise the kind's name.
    std::string NameOf(uint16_t code) const;

private:
    std::vector<std::shared_ptr<ControlKind>> m_kinds;
};

} // namespace vantor::model
