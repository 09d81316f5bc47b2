#include "model/RangeFont.hpp"

#include "model/Constants.hpp"
#include "model/PropertyMembers.hpp"
#include "model/PropertyValues.hpp"
#include "model/Range.hpp"
#include "model/StyleTable.hpp"
#include "vantor/automation/Enumerations.hpp"

namespace vantor::model {

namespace {

constexpr double kMinFontSize = 1.0;
constexpr double kMaxFontSize = 409.0;
constexpr size_t kMaxFontNameChars = 255;

constexpr int32_t kUnderlines[] = {enums::Underline::None, enums::Underline::Single,
                                   enums::Underline::Double, enums::Underline::SingleAccounting,
                                   enums::Underline::DoubleAccounting};

} // namespace

const MemberTable<RangeFont>& RangeFont::Members() {
    using F = RangeFont;
    static const MemberTable<F> table = [] {
        MemberTable<F> t;
        t.Property(
            "Name",
            [](F& f, auto) {
                return f.Read(Field::FontName, [&f](const Style& s) {
                    return Variant(f.m_pRange->Styles().FontNames().Text(s.fontName));
                });
            },
            [](F& f, auto, const Variant& v) {
                if (!v.IsNull()) {
                    const uint32_t id = f.m_pRange->Styles().FontNames().Intern(
                        values::ToName(v, "Font name", kMaxFontNameChars));
                    f.Stage(Field::FontName, [id](Style& s) { s.fontName = id; });
                }
            });
        t.Property(
            "Size",
            [](F& f, auto) {
                return f.Read(Field::FontSize, [](const Style& s) { return Variant(s.fontSize); });
            },
            [](F& f, auto, const Variant& v) {
                if (!v.IsNull()) {
                    const double size =
                        values::ToDoubleIn(v, "Font size", kMinFontSize, kMaxFontSize);
                    f.Stage(Field::FontSize, [size](Style& s) { s.fontSize = size; });
                }
            });
        members::Boolean(t, "Bold", Field::Bold, &Style::bold);
        members::Boolean(t, "Italic", Field::Italic, &Style::italic);
        members::Boolean(t, "Strikethrough", Field::Strikethrough, &Style::strikethrough);
        t.Property(
            "Underline",
            [](F& f, auto) {
                return f.Read(Field::Underline,
                              [](const Style& s) { return Variant(s.underline); });
            },
            [](F& f, auto, const Variant& v) {
                if (v.IsNull()) {
                    return;
                }
                // True and False stand for a single underline and none.
                const int32_t style =
                    v.IsBoolean() ? (v.ToBool() ? enums::Underline::Single : enums::Underline::None)
                                  : values::ToChoice(v, "Underline", kUnderlines);
                f.Stage(Field::Underline, [style](Style& s) { s.underline = style; });
            });
        members::Color(t, "color", "ColorIndex", Field::FontColor, &Style::fontColor,
                       constants::kAutomaticFontColor);
        return t;
    }();
    return table;
}

} // namespace vantor::model
