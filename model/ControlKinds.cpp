#include "model/ControlKinds.hpp"

#include "vantor/automation/TextFunctions.hpp"

namespace vantor::model {

ControlKind::ControlKind(std::string name, std::string caption, std::string description)
    : m_strName(std::move(name)), m_strCaption(std::move(caption)),
      m_strDescription(std::move(description)) {}

const MemberTable<ControlKind>& ControlKind::Members() {
    static const MemberTable<ControlKind> table = [] {
        MemberTable<ControlKind> t;
        t.Property("Name", [](ControlKind& k, auto) { return Variant(k.m_strName); });
        t.Property("Caption", [](ControlKind& k, auto) { return Variant(k.m_strCaption); });
        t.Property("Description", [](ControlKind& k, auto) { return Variant(k.m_strDescription); });
        return t;
    }();
    return table;
}

ControlKinds::ControlKinds() {
    m_kinds = {
        std::make_shared<ControlKind>(
            "CheckBox", "Check box",
            "A box that the user ticks or clears; the cell holds True or False."),
        std::make_shared<ControlKind>(
            "DropDownList", "Drop-down list",
            "A list that opens below the cell; the cell holds the chosen item."),
        std::make_shared<ControlKind>("Button", "Button", "A push button drawn over the cell."),
        std::make_shared<ControlKind>(
            "DatePicker", "Date picker",
            "A calendar that opens below the cell; the cell holds the chosen date."),
        std::make_shared<ControlKind>("SpinButton", "Spin button",
                                      "Two arrows that raise or lower the number in the cell."),
    };
}

const MemberTable<ControlKinds>& ControlKinds::Members() {
    static const MemberTable<ControlKinds> table = [] {
        MemberTable<ControlKinds> t;
        t.Property("Count", [](ControlKinds& k, auto) { return Variant(k.Count()); });
        t.Method("Item", [](ControlKinds& k, auto args) -> Variant {
            const Variant& which = MemberTable<ControlKinds>::Arg(args, 0);
            if (which.IsString()) {
                for (const auto& kind : k.m_kinds) {
                    if (EqualsIgnoreCase(kind->Name(), which.ToString())) {
                        return Variant(kind);
                    }
                }
                throw AutomationError(err::SubscriptOutOfRange,
                                      "There is no control kind named " + which.ToString());
            }
            const int32_t index = which.ToLong();
            if (index < 1 || index > k.Count()) {
                throw AutomationError(err::SubscriptOutOfRange);
            }
            return Variant(k.m_kinds[static_cast<size_t>(index - 1)]);
        });
        return t;
    }();
    return table;
}

std::vector<Variant> ControlKinds::Enumerate() {
    std::vector<Variant> items;
    for (const auto& kind : m_kinds) {
        items.emplace_back(kind);
    }
    return items;
}

uint16_t ControlKinds::CodeOf(const std::string& name) const {
    if (Trim(name).empty()) {
        return 0;
    }
    for (size_t i = 0; i < m_kinds.size(); ++i) {
        if (EqualsIgnoreCase(m_kinds[i]->Name(), Trim(name))) {
            return static_cast<uint16_t>(i + 1);
        }
    }
    std::string names;
    for (const auto& kind : m_kinds) {
        names += (names.empty() ? "" : ", ") + kind->Name();
    }
    throw AutomationError(err::ApplicationDefined, "There is no control kind named \"" + name +
                                                       "\"; the kinds are " + names);
}

std::string ControlKinds::NameOf(uint16_t code) const {
    return code == 0 || code > m_kinds.size() ? std::string() : m_kinds[code - 1]->Name();
}

} // namespace vantor::model
