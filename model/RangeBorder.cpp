#include "model/RangeBorder.hpp"

#include "model/Constants.hpp"
#include "model/PropertyValues.hpp"
#include "model/Range.hpp"

namespace vantor::model {

namespace {

using Group = StyleSummary::Group;

constexpr int kStyle = 0;
constexpr int kWeight = 1;
constexpr int kColor = 2;

} // namespace

RangeBorder::RangeBorder(std::shared_ptr<Range> range, int32_t index)
    : m_pRange(std::move(range)), m_nIndex(index) {
    using namespace constants;
    switch (index) {
    case kDiagonalDown:
        m_group = Group::Cells, m_styleField = Field::DownStyle;
        break;
    case kDiagonalUp:
        m_group = Group::Cells, m_styleField = Field::UpStyle;
        break;
    case kEdgeLeft:
        m_group = Group::Left, m_styleField = Field::LeftStyle;
        break;
    case kEdgeTop:
        m_group = Group::Top, m_styleField = Field::TopStyle;
        break;
    case kEdgeBottom:
        m_group = Group::Bottom, m_styleField = Field::TopStyle;
        break;
    case kEdgeRight:
        m_group = Group::Right, m_styleField = Field::LeftStyle;
        break;
    case kInsideVertical:
        m_group = Group::InsideVertical, m_styleField = Field::LeftStyle;
        break;
    case kInsideHorizontal:
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
                using namespace constants;
                const int32_t style =
                    values::ToChoice(v, "LineStyle",
                                     {kLineNone, kLineContinuous, kLineDash, kLineDashDot,
                                      kLineDashDotDot, kLineDot, kLineDouble, kLineSlantDashDot});
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
                using namespace constants;
                const int32_t weight = values::ToChoice(
                    v, "Weight", {kWeightHairline, kWeightThin, kWeightMedium, kWeightThick});
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
                    b.Stage(kStyle, [](BorderLine& l) { l.lineStyle = constants::kLineNone; });
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
