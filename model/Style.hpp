#pragma once
#include "vantor/automation/Enumerations.hpp"

#include <cstddef>
#include <cstdint>

namespace vantor::model {

// An RGB colour or the automatic colour.
constexpr uint32_t kAutoColor = 0xFFFFFFFFu;

// One border line: style, weight and colour.
struct BorderLine {
    int32_t lineStyle = enums::LineStyle::None;
    int32_t weight = enums::BorderWeight::Thin;
    uint32_t color = kAutoColor;
    bool operator==(const BorderLine&) const = default;
};

// The properties of a cell style, each addressed by a bit in a field mask.
enum class Field : uint8_t {
    FontName,
    FontSize,
    Bold,
    Italic,
    Strikethrough,
    Underline,
    FontColor,
    HAlign,
    VAlign,
    WrapText,
    NumberFormat,
    InteriorColor,
    Pattern,
    PatternColor,
    ReadOnly,
    ControlKind,
    HideOnDeactivate,
    ShrinkToFit,
    StyleName,
    TopStyle,
    TopWeight,
    TopColor,
    LeftStyle,
    LeftWeight,
    LeftColor,
    DownStyle,
    DownWeight,
    DownColor,
    UpStyle,
    UpWeight,
    UpColor,
    Count
};

using FieldMask = uint64_t;
constexpr FieldMask Bit(Field f) {
    return FieldMask{1} << static_cast<unsigned>(f);
}
// The three fields of a border line, starting at its style field.
constexpr FieldMask LineBits(Field styleField) {
    return FieldMask{7} << static_cast<unsigned>(styleField);
}

constexpr FieldMask kTopBits = LineBits(Field::TopStyle);
constexpr FieldMask kLeftBits = LineBits(Field::LeftStyle);
// Everything a cell owns itself; its top and left edges are shared with the
// neighbours above and to the left.
constexpr FieldMask kCellBits =
    ((FieldMask{1} << static_cast<unsigned>(Field::Count)) - 1) & ~kTopBits & ~kLeftBits;

// A cell style. A cell keeps its top and left edges; its bottom edge is the
// top edge of the cell below and its right edge the left edge of the cell to
// the right, so neighbours can never disagree about a shared edge.
// Font names and number formats are ids of the style table's string pools.
struct Style {
    uint32_t fontName = 0;
    double fontSize = 11.0;
    bool bold = false;
    bool italic = false;
    bool strikethrough = false;
    bool wrapText = false;
    bool readOnly = false;
    bool hideOnDeactivate = false;
    bool shrinkToFit = false;
    uint16_t controlKind = 0; // 0: none; otherwise 1 + the index of the kind
    int32_t underline = enums::Underline::None;
    uint32_t fontColor = kAutoColor;
    int32_t hAlign = enums::HAlign::General;
    int32_t vAlign = enums::VAlign::Bottom;
    uint32_t numberFormat = 0; // "" (General)
    uint32_t styleName = 0;    // id of the workbook's named style; 0 is "Normal"
    uint32_t interiorColor = kAutoColor;
    int32_t pattern = enums::Pattern::None;
    uint32_t patternColor = kAutoColor;
    BorderLine top;
    BorderLine left;
    BorderLine diagonalDown;
    BorderLine diagonalUp;
    // 1 + the index of the file's format record the style was read from, 0
    // for none: formats that differ only in what the model does not hold stay
    // apart, so that saving writes each back as it was.
    uint32_t fileFormat = 0;

    bool operator==(const Style&) const = default;

    size_t Hash() const;
    // The fields, among `fields`, in which two styles differ.
    static FieldMask Diff(const Style& a, const Style& b, FieldMask fields);
    // Copies the fields of `fields` from `from`.
    void CopyFields(const Style& from, FieldMask fields);

    BorderLine& Line(Field styleField);
    const BorderLine& Line(Field styleField) const;
};

} // namespace vantor::model
