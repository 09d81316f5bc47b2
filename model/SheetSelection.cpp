#include "model/SheetSelection.hpp"

#include "model/PropertyValues.hpp"
#include "model/Worksheet.hpp"

namespace vantor::model {

SheetSelection::SheetSelection(std::vector<std::shared_ptr<Worksheet>> sheets)
    : m_sheets(std::move(sheets)) {
    if (m_sheets.empty()) {
        throw AutomationError(err::ApplicationDefined,
                              "A selection of sheets holds at least one sheet");
    }
}

namespace {

// The value all sheets agree on, or Null.
template <typename F>
Variant Agreed(const std::vector<std::shared_ptr<Worksheet>>& sheets, F&& read) {
    const auto first = read(*sheets.front());
    for (const auto& sheet : sheets) {
        if (read(*sheet) != first) {
            return Variant::Null();
        }
    }
    return Variant(first);
}

} // namespace

const MemberTable<SheetSelection>& SheetSelection::Members() {
    using S = SheetSelection;
    static const MemberTable<S> table = [] {
        MemberTable<S> t;
        t.Property(
            "DisplayHeadings",
            [](S& s, auto) {
                return Agreed(s.m_sheets, [](const Worksheet& w) { return w.DisplayHeadings(); });
            },
            [](S& s, auto, const Variant& v) {
                if (!v.IsNull()) {
                    const bool value = values::ToBoolean(v);
                    for (const auto& sheet : s.m_sheets) {
                        sheet->SetDisplayHeadings(value);
                    }
                }
            });
        t.Property(
            "DisplayGridlines",
            [](S& s, auto) {
                return Agreed(s.m_sheets, [](const Worksheet& w) { return w.DisplayGridlines(); });
            },
            [](S& s, auto, const Variant& v) {
                if (!v.IsNull()) {
                    const bool value = values::ToBoolean(v);
                    for (const auto& sheet : s.m_sheets) {
                        sheet->SetDisplayGridlines(value);
                    }
                }
            });
        t.Property(
            "GridlineColor",
            [](S& s, auto) {
                return Agreed(s.m_sheets, [](const Worksheet& w) { return w.GridlineColor(); });
            },
            [](S& s, auto, const Variant& v) {
                if (!v.IsNull()) {
                    const uint32_t color = values::ToColor(v, "GridlineColor");
                    for (const auto& sheet : s.m_sheets) {
                        sheet->SetGridlineColor(color);
                    }
                }
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
