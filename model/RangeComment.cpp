#include "model/RangeComment.hpp"

#include "model/CellStore.hpp"
#include "model/Range.hpp"
#include "model/Worksheet.hpp"

#include <optional>

namespace vantor::model {

const MemberTable<RangeComment>& RangeComment::Members() {
    using C = RangeComment;
    static const MemberTable<C> table = [] {
        MemberTable<C> t;
        t.Property(
            "Text",
            [](C& c, auto) {
                std::optional<std::string> text;
                bool mixed = false;
                c.m_pRange->Sheet()->Store().ForEachNote(c.m_pRange->Rect(),
                                                         [&](CellKey, const std::string& note) {
                                                             if (text && *text != note) {
                                                                 mixed = true;
                                                             }
                                                             text = note;
                                                         });
                return mixed || !text ? Variant::Null() : Variant(*text);
            },
            [](C& c, auto, const Variant& v) {
                if (v.IsNull()) {
                    return;
                }
                const std::string text = v.IsEmpty() ? std::string() : v.ToString();
                const CellRect rect = c.m_pRange->Rect();
                c.m_pRange->Sheet()->ChangeCells(
                    rect, [&](CellStore& store) { store.SetNotes(rect, text, false); });
            });
        return t;
    }();
    return table;
}

} // namespace vantor::model
