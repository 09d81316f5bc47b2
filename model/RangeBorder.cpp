#include "model/RangeBorder.hpp"

#include "model/Constants.hpp"
#include "model/PropertyValues.hpp"
#include "model/Range.hpp"
#include "vantor/automation/Enumerations.hpp"

namespace vantor::model {

namespace {

using Group = StyleSummary::Group;

constexpr int kStyle = 0;
constexpr int kWeight = 1;
constexpr int kColor = 2;

} // namespace

RangeBorder::RangeBorder(std::shared_ptr<Range> range, int32_t index)
    : m_pRange(std::move(range)), m_nIndex(index) {
    switch (index) {
    case enums::BorderIndex::DiagonalDown:
        m_group = Group::Cells, m_styleField = Field::DownStyle;
        break;
    case enums::BorderIndex::DiagonalUp:
        m_group = Group::Cells, m_styleField = Field::UpStyle;
        break;
    case enums::BorderIndex::EdgeLeft:
        m_group = Group::Left, m_styleField = Field::LeftStyle;
        break;
    case enums::BorderIndex::EdgeTop:
        m_group = Group::Top, m_styleField = Field::TopStyle;
        break;
    case enums::BorderIndex::EdgeBottom:
        m_group = Group::Bottom, m_styleField = Field::TopStyle;
        break;
    case enums::BorderIndex::EdgeRight:
        m_group = Group::Right, m_styleField = Field::LeftStyle;
        break;
    case enums::BorderIndex::InsideVertical:
        m_group = Group::InsideVertical, m_styleField = Field::LeftStyle;
        break;
    case enums::BorderIndex::InsideHorizontal:
        m_group = Group::InsideHorizontal, m_styleField = Field::TopStyle;
        break;
    default:
        throw AutomationError(err::SubscriptOutOfRange);
    }
}

Variant RangeBorder::Read(int offset,
                          const std::function<Variant(const BorderLine&)>& value) const {
    const Field styleField = m_styleField;
    return m_pRange->ReadStyle(m_group,
                               Bit(static_cast<Field>(static_cast<int>(styleField) + offset)),
                               [&](const Style& s) { return value(s.Line(styleField)); });
}

void RangeBorder::Stage(int offset, const std::function<void(BorderLine&)>& set) const {
    const Field styleField = m_styleField;
    m_pRange->Stage(m_group, Bit(static_cast<Field>(static_cast<int>(styleField) + offset)),
                    [&](Style& s) { set(s.Line(styleField)); });
}

const MemberTable<RangeBorder>& RangeBorder::Members() {
    using B = RangeBorder;
    static const MemberTable<B> table = [] {
        MemberTable<B> t;
        t.Property(
            "LineStyle",
            [](B& b, auto) {
                return b.Read(kStyle, [](const BorderLine& l) { return Variant(l.lineStyle); });
            },
            [](B& b, auto, const Variant& v) {
                if (v.IsNull()) {
                    return;
                }
                const int32_t style = values::ToChoice(
                    v, "LineStyle",
                    {enums::LineStyle::None, enums::LineStyle::Continuous, enums::LineStyle::Dash,
                     enums::LineStyle::DashDot, enums::LineStyle::DashDotDot, enums::LineStyle::Dot,
                     enums::LineStyle::Double, enums::LineStyle::SlantDashDot});
                b.Stage(kStyle, [style](BorderLine& l) { l.lineStyle = style; });
            });
        t.Property(
            "Weight",
            [](B& b, auto) {
                return b.Read(kWeight, [](const BorderLine& l) { return Variant(l.weight); });
            },
            [](B& b, auto, const Variant& v) {
                if (v.IsNull()) {
                    return;
                }
                const int32_t weight =
                    values::ToChoice(v, "Weight",
                                     {enums::BorderWeight::Hairline, enums::BorderWeight::Thin,
                                      enums::BorderWeight::Medium, enums::BorderWeight::Thick});
                b.Stage(kWeight, [weight](BorderLine& l) { l.weight = weight; });
            });
        t.Property(
            "color",
            [](B& b, auto) {
                return b.Read(kColor, [](const BorderLine& l) {
                    return values::ColorValue(l.color, constants::kAutomaticBorderColor);
                });
            },
            [](B& b, auto, const Variant& v) {
                if (!v.IsNull()) {
                    const uint32_t color = values::ToColor(v, "color");
                    b.Stage(kColor, [color](BorderLine& l) { l.color = color; });
                }
            });
        t.Property(
            "ColorIndex",
            [](B& b, auto) {
                return b.Read(kColor,
                              [](const BorderLine& l) { return values::ColorIndexValue(l.color); });
            },
            [](B& b, auto, const Variant& v) {
                if (v.IsNull()) {
                    return;
                }
                // "No colour" removes the line.
                if (values::IsNoColorIndex(v)) {
                    b.Stage(kStyle, [](BorderLine& l) { l.lineStyle = enums::LineStyle::None; });
                    return;
                }
                const uint32_t color = values::ColorFromIndex(v, "ColorIndex");
                b.Stage(kColor, [color](BorderLine& l) { l.color = color; });
            });
        return t;
    }();
    return table;
}

std::string RangeBorder::DisplayName() const {
    return "Border(" + m_pRange->Where() + "," + std::to_string(m_nIndex) + ")";
}

} // namespace vantor::model
