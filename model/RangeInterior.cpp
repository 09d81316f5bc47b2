#include "model/RangeInterior.hpp"

#include "model/Constants.hpp"
#include "model/PropertyValues.hpp"
#include "model/Range.hpp"
#include "vantor/automation/Enumerations.hpp"

namespace vantor::model {

RangeInterior::RangeInterior(std::shared_ptr<Range> range) : m_pRange(std::move(range)) {}

const MemberTable<RangeInterior>& RangeInterior::Members() {
    using I = RangeInterior;
    using G = StyleSummary::Group;
    static const MemberTable<I> table = [] {
        MemberTable<I> t;
        auto read = [](I& i, Field field, const std::function<Variant(const Style&)>& value) {
            return i.m_pRange->ReadStyle(G::Cells, Bit(field), value);
        };
        auto stage = [](I& i, FieldMask fields, const std::function<void(Style&)>& set) {
            i.m_pRange->Stage(G::Cells, fields, set);
        };
        // A colour and its colour index, over one colour field.
        auto colour = [&t, read, stage](const std::string& name, Field field,
                                        uint32_t Style::*member, int32_t automatic) {
            t.Property(
                name,
                [=](I& i, auto) {
                    return read(i, field, [=](const Style& s) {
                        return values::ColorValue(s.*member, automatic);
                    });
                },
                [=](I& i, auto, const Variant& v) {
                    if (!v.IsNull()) {
                        const uint32_t color = values::ToColor(v, name);
                        stage(i, Bit(field), [=](Style& s) { s.*member = color; });
                    }
                });
            t.Property(
                name + "Index",
                [=](I& i, auto) {
                    return read(i, field,
                                [=](const Style& s) { return values::ColorIndexValue(s.*member); });
                },
                [=](I& i, auto, const Variant& v) {
                    if (v.IsNull()) {
                        return;
                    }
                    // "No colour" removes the fill.
                    if (values::IsNoColorIndex(v)) {
                        stage(i, Bit(Field::Pattern),
                              [](Style& s) { s.pattern = enums::Pattern::None; });
                        return;
                    }
                    const uint32_t color = values::ColorFromIndex(v, name + "Index");
                    stage(i, Bit(field), [=](Style& s) { s.*member = color; });
                });
        };
        colour("color", Field::InteriorColor, &Style::interiorColor,
               constants::kAutomaticInteriorColor);
        colour("PatternColor", Field::PatternColor, &Style::patternColor,
               constants::kAutomaticPatternColor);
        t.Property(
            "Pattern",
            [read](I& i, auto) {
                return read(i, Field::Pattern, [](const Style& s) { return Variant(s.pattern); });
            },
            [stage](I& i, auto, const Variant& v) {
                if (v.IsNull()) {
                    return;
                }
                using namespace enums::Pattern;
                const int32_t pattern = values::ToChoice(v, "Pattern",
                                                         {None,
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
                                                          VerticalStripe});
                stage(i, Bit(Field::Pattern), [pattern](Style& s) { s.pattern = pattern; });
            });
        return t;
    }();
    return table;
}

std::string RangeInterior::DisplayName() const {
    return "Interior(" + m_pRange->Where() + ")";
}

} // namespace vantor::model
