#include "model/RangeBorders.hpp"

#include "model/Range.hpp"
#include "model/RangeBorder.hpp"
#include "vantor/automation/Enumerations.hpp"

namespace vantor::model {

RangeBorders::RangeBorders(std::shared_ptr<Range> range) : m_pRange(std::move(range)) {}

std::shared_ptr<RangeBorder> RangeBorders::Item(int32_t index) {
    if (index < enums::BorderIndex::DiagonalDown || index > enums::BorderIndex::InsideHorizontal) {
        throw AutomationError(err::SubscriptOutOfRange, "Border indexes run from 5 to 12");
    }
    if (index == enums::BorderIndex::InsideVertical &&
        !m_pRange->HasGroup(StyleSummary::InsideVertical)) {
        throw AutomationError(err::ApplicationDefined,
                              "A range of one column has no inside vertical border");
    }
    if (index == enums::BorderIndex::InsideHorizontal &&
        !m_pRange->HasGroup(StyleSummary::InsideHorizontal)) {
        throw AutomationError(err::ApplicationDefined,
                              "A range of one row has no inside horizontal border");
    }
    auto& item = m_items[index - enums::BorderIndex::DiagonalDown];
    if (!item) {
        item = std::make_shared<RangeBorder>(m_pRange, index);
    }
    return item;
}

const MemberTable<RangeBorders>& RangeBorders::Members() {
    static const MemberTable<RangeBorders> table = [] {
        MemberTable<RangeBorders> t;
        t.Method("Item", [](RangeBorders& b, auto args) {
            return Variant(b.Item(MemberTable<RangeBorders>::Arg(args, 0).ToLong()));
        });
        t.Property("Count", [](RangeBorders& b, auto) {
            return Variant(static_cast<int32_t>(b.Enumerate().size()));
        });
        return t;
    }();
    return table;
}

std::vector<Variant> RangeBorders::Enumerate() {
    std::vector<Variant> items;
    for (int32_t index = enums::BorderIndex::DiagonalDown;
         index <= enums::BorderIndex::InsideHorizontal; ++index) {
        if ((index != enums::BorderIndex::InsideVertical ||
             m_pRange->HasGroup(StyleSummary::InsideVertical)) &&
            (index != enums::BorderIndex::InsideHorizontal ||
             m_pRange->HasGroup(StyleSummary::InsideHorizontal))) {
            items.emplace_back(Item(index));
        }
    }
    return items;
}

std::string RangeBorders::DisplayName() const {
    return "Borders(" + m_pRange->Where() + ")";
}

} // namespace vantor::model
