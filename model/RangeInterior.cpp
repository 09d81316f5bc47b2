#include "model/RangeInterior.hpp"

#include "model/Constants.hpp"
#include "model/PropertyMembers.hpp"
#include "vantor/automation/Enumerations.hpp"

namespace vantor::model {

namespace {

using namespace enums::Pattern;
constexpr int32_t kPatterns[] = {None,
                                 Solid,
                                 Automatic,
                                 DiagonalCrosshatch,
                                 ThinDiagonalCrosshatch,
                                 DiagonalStripe,
                                 Grey12_5,
                                 Grey6_25,
                                 Grey25,
                                 Grey50,
                                 Grey75,
                                 ThinHorizontalCrosshatch,
                                 HorizontalStripe,
                                 ThinDiagonalStripe,
                                 ThinHorizontalStripe,
                                 ThinReverseDiagonalStripe,
                                 ThinVerticalStripe,
                                 ThickDiagonalCrosshatch,
                                 ReverseDiagonalStripe,
                                 VerticalStripe};

// "No colour" for either colour index removes the fill.
void RemoveFill(RangeInterior& interior) {
    interior.Stage(Field::Pattern, [](Style& s) { s.pattern = None; });
}

} // namespace

const MemberTable<RangeInterior>& RangeInterior::Members() {
    static const MemberTable<RangeInterior> table = [] {
        MemberTable<RangeInterior> t;
        members::Color(t, "color", "ColorIndex", Field::InteriorColor, &Style::interiorColor,
                       constants::kAutomaticInteriorColor, RemoveFill);
        members::Color(t, "PatternColor", "PatternColorIndex", Field::PatternColor,
                       &Style::patternColor, constants::kAutomaticPatternColor, RemoveFill);
        members::Choice(t, "Pattern", Field::Pattern, &Style::pattern, kPatterns);
        return t;
    }();
    return table;
}

} // namespace vantor::model
