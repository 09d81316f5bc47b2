#pragma once
#include "model/PropertyValues.hpp"
#include "vantor/automation/MemberTable.hpp"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <type_traits>

// Properties that the model declares many times over, written once. Writing
// Null keeps the value; anything else is checked as the property requires.
namespace vantor::model::members {

// Style-backed properties of a range and its objects. `c.Read(key, value)`
// gives the value over the cells (Null where they differ) and
// `c.Stage(key, set)` stages a write; `key` addresses the field of a Record (a
// Style for the cells, a BorderLine for a border) that `member` names.

// A Boolean.
template <typename C, typename Key, typename Record>
void Boolean(MemberTable<C>& t, const std::string& name, Key key, bool Record::*member) {
    t.Property(
        name,
        [=](C& c, auto) {
            return c.Read(key, [member](const Record& r) { return Variant(r.*member); });
        },
        [=](C& c, auto, const Variant& v) {
            if (!v.IsNull()) {
                const bool on = values::ToBoolean(v);
                c.Stage(key, [member, on](Record& r) { r.*member = on; });
            }
        });
}

// One of the constants in `allowed`, which must outlive the table.
template <typename C, typename Key, typename Record>
void Choice(MemberTable<C>& t, const std::string& name, Key key, int32_t Record::*member,
            std::span<const int32_t> allowed) {
    t.Property(
        name,
        [=](C& c, auto) {
            return c.Read(key, [member](const Record& r) { return Variant(r.*member); });
        },
        [=](C& c, auto, const Variant& v) {
            if (!v.IsNull()) {
                const int32_t choice = values::ToChoice(v, name, allowed);
                c.Stage(key, [member, choice](Record& r) { r.*member = choice; });
            }
        });
}

// A colour as two properties: `name` the RGB value (`automatic` read for the
// automatic colour) and `indexName` the palette index (-4105 automatic). A
// written "no colour" index (-4142) does `noColor`; without it, it is refused.
template <typename C, typename Key, typename Record>
void Color(MemberTable<C>& t, const std::string& name, const std::string& indexName, Key key,
           uint32_t Record::*member, int32_t automatic,
           const std::function<void(std::type_identity_t<C>&)>& noColor = {}) {
    t.Property(
        name,
        [=](C& c, auto) {
            return c.Read(key, [member, automatic](const Record& r) {
                return values::ColorValue(r.*member, automatic);
            });
        },
        [=](C& c, auto, const Variant& v) {
            if (!v.IsNull()) {
                const uint32_t color = values::ToColor(v, name);
                c.Stage(key, [member, color](Record& r) { r.*member = color; });
            }
        });
    t.Property(
        indexName,
        [=](C& c, auto) {
            return c.Read(key,
                          [member](const Record& r) { return values::ColorIndexValue(r.*member); });
        },
        [=](C& c, auto, const Variant& v) {
            if (v.IsNull()) {
                return;
            }
            if (noColor && values::IsNoColorIndex(v)) {
                noColor(c);
                return;
            }
            const uint32_t color = values::ColorFromIndex(v, indexName);
            c.Stage(key, [member, color](Record& r) { r.*member = color; });
        });
}

// Settings held by the object itself (the application, a workbook, a sheet),
// written through its `Change`, which records the undo step.

// A Boolean.
template <typename C> void Boolean(MemberTable<C>& t, const std::string& name, bool C::*member) {
    t.Property(
        name, [member](C& c, auto) { return Variant(c.*member); },
        [member](C& c, auto, const Variant& v) {
            if (!v.IsNull()) {
                c.Change(member, values::ToBoolean(v));
            }
        });
}

// One of the constants in `allowed`, which must outlive the table.
template <typename C>
void Choice(MemberTable<C>& t, const std::string& name, int32_t C::*member,
            std::span<const int32_t> allowed) {
    t.Property(
        name, [member](C& c, auto) { return Variant(c.*member); },
        [=](C& c, auto, const Variant& v) {
            if (!v.IsNull()) {
                c.Change(member, values::ToChoice(v, name, allowed));
            }
        });
}

// A whole number from `minimum` to `maximum`.
template <typename C>
void LongIn(MemberTable<C>& t, const std::string& name, int32_t C::*member, int32_t minimum,
            int32_t maximum) {
    t.Property(
        name, [member](C& c, auto) { return Variant(c.*member); },
        [=](C& c, auto, const Variant& v) {
            if (!v.IsNull()) {
                c.Change(member, values::ToLongIn(v, name, minimum, maximum));
            }
        });
}

} // namespace vantor::model::members
