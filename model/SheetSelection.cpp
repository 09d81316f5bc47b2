#include "model/SheetSelection.hpp"

#include "model/PropertyValues.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"

#include <algorithm>
#include <string_view>

namespace vantor::model {

SheetSelection::SheetSelection(std::vector<std::shared_ptr<Worksheet>> sheets)
    : m_sheets(std::move(sheets)) {
    if (m_sheets.empty()) {
        throw AutomationError(err::ApplicationDefined,
                              "A selection of sheets holds at least one sheet");
    }
}

namespace {

// The settings a selection of sheets reads and writes as each sheet does.
constexpr const char* kSheetSettings[] = {
    "DisplayHeadings", "DisplayGridlines", "GridlineColor", "GridlineColorIndex", "DisplayZeros",
    "SplitRow",        "SplitColumn",      "FreezePanes",   "Visible",            "ProtectContents"};

} // namespace

const MemberTable<SheetSelection>& SheetSelection::Members() {
    using S = SheetSelection;
    static const MemberTable<S> table = [] {
        MemberTable<S> t;
        for (const char* name : kSheetSettings) {
            t.Property(
                name,
                [name](S& s, auto) {
                    const Variant first = ObjectRef(s.m_sheets.front()).Get(name);
                    for (const auto& sheet : s.m_sheets) {
                        if (!(ObjectRef(sheet).Get(name) == first)) {
                            return Variant::Null();
                        }
                    }
                    return first;
                },
                [name](S& s, auto, const Variant& v) {
                    if (v.IsNull()) {
                        return;
                    }
                    if (std::string_view(name) == "Visible" && !values::ToBoolean(v)) {
                        s.CheckSomeSheetStaysVisible();
                    }
                    for (const auto& sheet : s.m_sheets) {
                        ObjectRef(sheet).Put(name, v);
                    }
                });
        }
        t.Method("Protect", [](S& s, auto args) {
            for (const auto& sheet : s.m_sheets) {
                ObjectRef(sheet).Invoke("Protect", InvokeKind::Call, args);
            }
            return Variant();
        });
        // Checked on every protected sheet first, so that a wrong password
        // changes none; a sheet not protected has no password to check.
        t.Method("Unprotect", [](S& s, auto args) {
            for (const auto& sheet : s.m_sheets) {
                if (sheet->Protection().on &&
                    !ObjectRef(sheet).Invoke("CheckPassword", InvokeKind::Call, args).ToBool()) {
                    throw AutomationError(err::ApplicationDefined,
                                          "The password is wrong for the sheet " + sheet->Name() +
                                              ": the sheets stay protected");
                }
            }
            for (const auto& sheet : s.m_sheets) {
                ObjectRef(sheet).Invoke("Unprotect", InvokeKind::Call, args);
            }
            return Variant();
        });
        t.Method("CheckPassword", [](S& s, auto args) {
            for (const auto& sheet : s.m_sheets) {
                if (sheet->Protection().on &&
                    !ObjectRef(sheet).Invoke("CheckPassword", InvokeKind::Call, args).ToBool()) {
                    return Variant(false);
                }
            }
            return Variant(true);
        });
        t.Property("Count",
                   [](S& s, auto) { return Variant(static_cast<int32_t>(s.m_sheets.size())); });
        t.Method("Item", [](S& s, auto args) {
            const int32_t index = MemberTable<S>::Arg(args, 0).ToLong();
            if (index < 1 || static_cast<size_t>(index) > s.m_sheets.size()) {
                throw AutomationError(err::SubscriptOutOfRange);
            }
            return Variant(s.m_sheets[static_cast<size_t>(index - 1)]);
        });
        return t;
    }();
    return table;
}

void SheetSelection::CheckSomeSheetStaysVisible() const {
    for (const auto& sheet : m_sheets.front()->Book()->Sheets()) {
        if (sheet->Visible() &&
            std::find(m_sheets.begin(), m_sheets.end(), sheet) == m_sheets.end()) {
            return;
        }
    }
    throw AutomationError(err::ApplicationDefined, "A workbook keeps at least one visible sheet");
}

std::vector<Variant> SheetSelection::Enumerate() {
    std::vector<Variant> items;
    for (const auto& sheet : m_sheets) {
        items.emplace_back(sheet);
    }
    return items;
}

std::string SheetSelection::DisplayName() const {
    std::string names;
    for (const auto& sheet : m_sheets) {
        names += (names.empty() ? "" : ",") + sheet->Name();
    }
    return "Sheets(" + names + ")";
}

} // namespace vantor::model
