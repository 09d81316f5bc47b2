#include "model/RangeBorder.hpp"

#include "model/Constants.hpp"
#include "model/PropertyMembers.hpp"
#include "model/Range.hpp"
#include "vantor/automation/Enumerations.hpp"

namespace vantor::model {

namespace {

using Group = StyleSummary::Group;

constexpr int32_t kLineStyles[] = {enums::LineStyle::None,       enums::LineStyle::Continuous,
                                   enums::LineStyle::Dash,       enums::LineStyle::DashDot,
                                   enums::LineStyle::DashDotDot, enums::LineStyle::Dot,
                                   enums::LineStyle::Double,     enums::LineStyle::SlantDashDot};
constexpr int32_t kWeights[] = {enums::BorderWeight::Hairline, enums::BorderWeight::Thin,
                                enums::BorderWeight::Medium, enums::BorderWeight::Thick};

// The field of one part of the line whose style field is `styleField`.
Field PartField(Field styleField, RangeBorder::LinePart part) {
    return static_cast<Field>(static_cast<int>(styleField) + static_cast<int>(part));
}

} // namespace

RangeBorder::RangeBorder(std::shared_ptr<Range> range, int32_t index)
    : DispatchObject(std::move(range)), m_nIndex(index) {
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

Variant RangeBorder::Read(LinePart part,
                          const std::function<Variant(const BorderLine&)>& value) const {
    const Field styleField = m_styleField;
    return m_pRange->ReadStyle(m_group, Bit(PartField(styleField, part)),
                               [&](const Style& s) { return value(s.Line(styleField)); });
}

void RangeBorder::Stage(LinePart part, const std::function<void(BorderLine&)>& set) const {
    const Field styleField = m_styleField;
    m_pRange->Stage(m_group, Bit(PartField(styleField, part)),
                    [&](Style& s) { set(s.Line(styleField)); });
}

const MemberTable<RangeBorder>& RangeBorder::Members() {
    using B = RangeBorder;
    static const MemberTable<B> table = [] {
        MemberTable<B> t;
        members::Choice(t, "LineStyle", LinePart::Style, &BorderLine::lineStyle, kLineStyles);
        members::Choice(t, "Weight", LinePart::Weight, &BorderLine::weight, kWeights);
        // "No colour" removes the line.
        members::Color(t, "color", "ColorIndex", LinePart::Color, &BorderLine::color,
                       constants::kAutomaticBorderColor, [](B& b) {
                           b.Stage(LinePart::Style,
                                   [](BorderLine& l) { l.lineStyle = enums::LineStyle::None; });
                       });
        return t;
    }();
    return table;
}

std::string RangeBorder::DisplayName() const {
    return "Border(" + m_pRange->Where() + "," + std::to_string(m_nIndex) + ")";
}

} // namespace vantor::model
