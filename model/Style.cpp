#include "model/Style.hpp"

#include <bit>
#include <initializer_list>

namespace vantor::model {

namespace {

// The two halves of the 128-bit product of a and b, folded: every bit of
// each input reaches every bit of the result.
uint64_t Fold(uint64_t a, uint64_t b) {
    const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
    return static_cast<uint64_t>(product) ^ static_cast<uint64_t>(product >> 64);
}

uint64_t LineKey(const BorderLine& l) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(l.lineStyle)) << 32) ^
           (static_cast<uint64_t>(static_cast<uint32_t>(l.weight)) << 24) ^ l.color;
}

} // namespace

size_t Style::Hash() const {
    // The fields packed into ten words, folded in pairs: the five products
    // are independent of one another, so they overlap. Each word is first
    // mixed with a constant of its own, so that no field weighs like another.
    const uint64_t flags = (uint64_t{bold} << 0) | (uint64_t{italic} << 1) |
                           (uint64_t{strikethrough} << 2) | (uint64_t{wrapText} << 3) |
                           (uint64_t{readOnly} << 4) | (uint64_t{hideOnDeactivate} << 5) |
                           (uint64_t{shrinkToFit} << 6) |
                           (uint64_t{controlKind} << 8) | (uint64_t{fileFormat} << 24);
    const uint64_t a =
        Fold(fontName ^ (static_cast<uint64_t>(static_cast<uint32_t>(underline)) << 32) ^
                 0xA0761D6478BD642Full,
             std::bit_cast<uint64_t>(fontSize) ^ 0xE7037ED1A0B428DBull);
    const uint64_t b =
        Fold(flags ^ (static_cast<uint64_t>(fontColor) << 32) ^ 0x8EBC6AF09C88C6E3ull,
             numberFormat ^ (static_cast<uint64_t>(static_cast<uint32_t>(hAlign)) << 32) ^
                 0x589965CC75374CC3ull);
    const uint64_t c =
        Fold(static_cast<uint32_t>(vAlign) ^ (static_cast<uint64_t>(interiorColor) << 32) ^
                 0x1D8E4E27C47D124Full,
             patternColor ^ (static_cast<uint64_t>(static_cast<uint32_t>(pattern)) << 32) ^
                 0x9E3779B97F4A7C15ull);
    const uint64_t d =
        Fold(LineKey(top) ^ 0xC2B2AE3D27D4EB4Full, LineKey(left) ^ 0x165667B19E3779F9ull);
    const uint64_t e = Fold(LineKey(diagonalDown) ^ 0x27D4EB2F165667C5ull,
                            LineKey(diagonalUp) ^ (uint64_t{styleName} << 40) ^
                                0xFF51AFD7ED558CCDull);
    return static_cast<size_t>(Fold(a ^ c ^ e, b ^ d ^ 0xC4CEB9FE1A85EC53ull));
}

FieldMask Style::Diff(const Style& a, const Style& b, FieldMask fields) {
    FieldMask d = 0;
    auto check = [&](Field f, bool differs) {
        if (differs) {
            d |= Bit(f);
        }
    };
    auto line = [&](Field first, const BorderLine& x, const BorderLine& y) {
        check(first, x.lineStyle != y.lineStyle);
        check(static_cast<Field>(static_cast<int>(first) + 1), x.weight != y.weight);
        check(static_cast<Field>(static_cast<int>(first) + 2), x.color != y.color);
    };
    if (fields & kCellBits) {
        check(Field::FontName, a.fontName != b.fontName);
        check(Field::FontSize, a.fontSize != b.fontSize);
        check(Field::Bold, a.bold != b.bold);
        check(Field::Italic, a.italic != b.italic);
        check(Field::Strikethrough, a.strikethrough != b.strikethrough);
        check(Field::Underline, a.underline != b.underline);
        check(Field::FontColor, a.fontColor != b.fontColor);
        check(Field::HAlign, a.hAlign != b.hAlign);
        check(Field::VAlign, a.vAlign != b.vAlign);
        check(Field::WrapText, a.wrapText != b.wrapText);
        check(Field::NumberFormat, a.numberFormat != b.numberFormat);
        check(Field::InteriorColor, a.interiorColor != b.interiorColor);
        check(Field::Pattern, a.pattern != b.pattern);
        check(Field::PatternColor, a.patternColor != b.patternColor);
        check(Field::ReadOnly, a.readOnly != b.readOnly);
        check(Field::ControlKind, a.controlKind != b.controlKind);
        check(Field::HideOnDeactivate, a.hideOnDeactivate != b.hideOnDeactivate);
        check(Field::ShrinkToFit, a.shrinkToFit != b.shrinkToFit);
        check(Field::StyleName, a.styleName != b.styleName);
        line(Field::DownStyle, a.diagonalDown, b.diagonalDown);
        line(Field::UpStyle, a.diagonalUp, b.diagonalUp);
    }
    if (fields & kTopBits) {
        line(Field::TopStyle, a.top, b.top);
    }
    if (fields & kLeftBits) {
        line(Field::LeftStyle, a.left, b.left);
    }
    return d & fields;
}

void Style::CopyFields(const Style& from, FieldMask fields) {
    auto take = [&](Field f, auto member) {
        if (fields & Bit(f)) {
            this->*member = from.*member;
        }
    };
    take(Field::FontName, &Style::fontName);
    take(Field::FontSize, &Style::fontSize);
    take(Field::Bold, &Style::bold);
    take(Field::Italic, &Style::italic);
    take(Field::Strikethrough, &Style::strikethrough);
    take(Field::Underline, &Style::underline);
    take(Field::FontColor, &Style::fontColor);
    take(Field::HAlign, &Style::hAlign);
    take(Field::VAlign, &Style::vAlign);
    take(Field::WrapText, &Style::wrapText);
    take(Field::NumberFormat, &Style::numberFormat);
    take(Field::InteriorColor, &Style::interiorColor);
    take(Field::Pattern, &Style::pattern);
    take(Field::PatternColor, &Style::patternColor);
    take(Field::ReadOnly, &Style::readOnly);
    take(Field::ControlKind, &Style::controlKind);
    take(Field::HideOnDeactivate, &Style::hideOnDeactivate);
    take(Field::ShrinkToFit, &Style::shrinkToFit);
    take(Field::StyleName, &Style::styleName);
    for (const Field first :
         {Field::TopStyle, Field::LeftStyle, Field::DownStyle, Field::UpStyle}) {
        const unsigned shift = static_cast<unsigned>(first);
        BorderLine& to = Line(first);
        const BorderLine& src = from.Line(first);
        if (fields & (FieldMask{1} << shift)) {
            to.lineStyle = src.lineStyle;
        }
        if (fields & (FieldMask{1} << (shift + 1))) {
            to.weight = src.weight;
        }
        if (fields & (FieldMask{1} << (shift + 2))) {
            to.color = src.color;
        }
    }
}

BorderLine& Style::Line(Field styleField) {
    return const_cast<BorderLine&>(static_cast<const Style*>(this)->Line(styleField));
}

const BorderLine& Style::Line(Field styleField) const {
    switch (styleField) {
    case Field::TopStyle:
        return top;
    case Field::LeftStyle:
        return left;
    case Field::DownStyle:
        return diagonalDown;
    default:
        return diagonalUp;
    }
}

} // namespace vantor::model
