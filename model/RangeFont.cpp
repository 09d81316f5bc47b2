#include "model/RangeFont.hpp"

#include "model/Constants.hpp"
#include "model/PropertyValues.hpp"
#include "model/Range.hpp"
#include "model/StyleTable.hpp"
#include "vantor/automation/Enumerations.hpp"

namespace vantor::model {

namespace {

constexpr double kMinFontSize = 1.0;
constexpr double kMaxFontSize = 409.0;
constexpr size_t kMaxFontNameChars = 255;

} // namespace

RangeFont::RangeFont(std::shared_ptr<Range> range) : m_pRange(std::move(range)) {}

const MemberTable<RangeFont>& RangeFont::Members() {
    using F = RangeFont;
    using G = StyleSummary::Group;
    static const MemberTable<F> table = [] {
        MemberTable<F> t;
        auto read = [](F& f, Field field, const std::function<Variant(const Style&)>& value) {
            return f.m_pRange->ReadStyle(G::Cells, Bit(field), value);
        };
        auto stage = [](F& f, Field field, const std::function<void(Style&)>& set) {
            f.m_pRange->Stage(G::Cells, Bit(field), set);
        };
        auto boolean = [&t, read, stage](const std::string& name, Field field,
                                         bool Style::*member) {
            t.Property(
                name,
                [=](F& f, auto) {
                    return read(f, field, [member](const Style& s) { return Variant(s.*member); });
                },
                [=](F& f, auto, const Variant& v) {
                    if (!v.IsNull()) {
                        const bool on = values::ToBoolean(v);
                        stage(f, field, [member, on](Style& s) { s.*member = on; });
                    }
                });
        };
        t.Property(
            "Name",
            [read](F& f, auto) {
                return read(f, Field::FontName, [&f](const Style& s) {
                    return Variant(f.m_pRange->Styles().FontNames().Text(s.fontName));
                });
            },
            [stage](F& f, auto, const Variant& v) {
                if (!v.IsNull()) {
                    const uint32_t id = f.m_pRange->Styles().FontNames().Intern(
                        values::ToName(v, "Font name", kMaxFontNameChars));
                    stage(f, Field::FontName, [id](Style& s) { s.fontName = id; });
                }
            });
        t.Property(
            "Size",
            [read](F& f, auto) {
                return read(f, Field::FontSize, [](const Style& s) { return Variant(s.fontSize); });
            },
            [stage](F& f, auto, const Variant& v) {
                if (!v.IsNull()) {
                    const double size =
                        values::ToDoubleIn(v, "Font size", kMinFontSize, kMaxFontSize);
                    stage(f, Field::FontSize, [size](Style& s) { s.fontSize = size; });
                }
            });
        boolean("Bold", Field::Bold, &Style::bold);
        boolean("Italic", Field::Italic, &Style::italic);
        boolean("Strikethrough", Field::Strikethrough, &Style::strikethrough);
        t.Property(
            "Underline",
            [read](F& f, auto) {
                return read(f, Field::Underline,
                            [](const Style& s) { return Variant(s.underline); });
            },
            [stage](F& f, auto, const Variant& v) {
                if (v.IsNull()) {
                    return;
                }
                // True and False stand for a single underline and none.
                const int32_t style =
                    v.IsBoolean()
                        ? (v.ToBool() ? enums::Underline::Single : enums::Underline::None)
                        : values::ToChoice(v, "Underline",
                                           {enums::Underline::None, enums::Underline::Single,
                                            enums::Underline::Double,
                                            enums::Underline::SingleAccounting,
                                            enums::Underline::DoubleAccounting});
                stage(f, Field::Underline, [style](Style& s) { s.underline = style; });
            });
        t.Property(
            "color",
            [read](F& f, auto) {
                return read(f, Field::FontColor, [](const Style& s) {
                    return values::ColorValue(s.fontColor, constants::kAutomaticFontColor);
                });
            },
            [stage](F& f, auto, const Variant& v) {
                if (!v.IsNull()) {
                    const uint32_t color = values::ToColor(v, "color");
                    stage(f, Field::FontColor, [color](Style& s) { s.fontColor = color; });
                }
            });
        t.Property(
            "ColorIndex",
            [read](F& f, auto) {
                return read(f, Field::FontColor,
                            [](const Style& s) { return values::ColorIndexValue(s.fontColor); });
            },
            [stage](F& f, auto, const Variant& v) {
                if (!v.IsNull()) {
                    const uint32_t color = values::ColorFromIndex(v, "ColorIndex");
                    stage(f, Field::FontColor, [color](Style& s) { s.fontColor = color; });
                }
            });
        return t;
    }();
    return table;
}

std::string RangeFont::DisplayName() const {
    return "Font(" + m_pRange->Where() + ")";
}

} // namespace vantor::model
