#include "xlsx/StyleCodes.hpp"
#include "vantor/automation/Enumerations.hpp"

#include "model/Constants.hpp"
#include "model/Palette.hpp"
#include "model/numfmt/FormatCode.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace vantor::xlsx::codes {

namespace {

using Pair = std::pair<std::string_view, int32_t>;

constexpr std::array<Pair, 8> kHorizontal = {{{"general", enums::HAlign::General},
                                              {"left", enums::HAlign::Left},
                                              {"center", enums::HAlign::Center},
                                              {"right", enums::HAlign::Right},
                                              {"fill", enums::HAlign::Fill},
                                              {"justify", enums::HAlign::Justify},
                                              {"centerContinuous", enums::HAlign::CenterAcrossSelection},
                                              {"distributed", enums::HAlign::Distributed}}};
constexpr std::array<Pair, 5> kVertical = {{{"top", enums::VAlign::Top},
                                            {"center", enums::VAlign::Center},
                                            {"bottom", enums::VAlign::Bottom},
                                            {"justify", enums::VAlign::Justify},
                                            {"distributed", enums::VAlign::Distributed}}};
constexpr std::array<Pair, 5> kUnderline = {{{"single", enums::Underline::Single},
                                             {"double", enums::Underline::Double},
                                             {"singleAccounting", enums::Underline::SingleAccounting},
                                             {"doubleAccounting", enums::Underline::DoubleAccounting},
                                             {"none", enums::Underline::None}}};
constexpr std::array<Pair, 20> kPattern = {{{"none", enums::Pattern::None},
                                            {"solid", enums::Pattern::Solid},
                                            {"mediumGray", enums::Pattern::Grey50},
                                            {"darkGray", enums::Pattern::Grey75},
                                            {"lightGray", enums::Pattern::Grey25},
                                            {"darkHorizontal", enums::Pattern::HorizontalStripe},
                                            {"darkVertical", enums::Pattern::VerticalStripe},
                                            {"darkDown", enums::Pattern::DiagonalStripe},
                                            {"darkUp", enums::Pattern::ReverseDiagonalStripe},
                                            {"darkGrid", enums::Pattern::DiagonalCrosshatch},
                                            {"darkTrellis", enums::Pattern::ThickDiagonalCrosshatch},
                                            {"lightHorizontal", enums::Pattern::ThinHorizontalStripe},
                                            {"lightVertical", enums::Pattern::ThinVerticalStripe},
                                            {"lightDown", enums::Pattern::ThinDiagonalStripe},
                                            {"lightUp", enums::Pattern::ThinReverseDiagonalStripe},
                                            {"lightGrid", enums::Pattern::ThinHorizontalCrosshatch},
                                            {"lightTrellis", enums::Pattern::ThinDiagonalCrosshatch},
                                            {"gray125", enums::Pattern::Grey12_5},
                                            {"gray0625", enums::Pattern::Grey6_25},
                                            // The automatic pattern shows as a solid fill.
                                            {"solid", -4105}}};

template <size_t N>
int32_t ValueOf(const std::array<Pair, N>& table, std::string_view name, int32_t fallback) {
    for (const auto& [n, v] : table) {
        if (n == name) {
            return v;
        }
    }
    return fallback;
}

template <size_t N>
std::string_view NameOf(const std::array<Pair, N>& table, int32_t value, std::string_view fallback) {
    for (const auto& [n, v] : table) {
        if (v == value) {
            return n;
        }
    }
    return fallback;
}

struct LineName {
    std::string_view name;
    int32_t style;
    int32_t weight;
};
constexpr std::array<LineName, 13> kLines = {{{"thin", enums::LineStyle::Continuous, enums::BorderWeight::Thin},
                                              {"medium", enums::LineStyle::Continuous, enums::BorderWeight::Medium},
                                              {"thick", enums::LineStyle::Continuous, enums::BorderWeight::Thick},
                                              {"hair", enums::LineStyle::Continuous, enums::BorderWeight::Hairline},
                                              {"dashed", enums::LineStyle::Dash, enums::BorderWeight::Thin},
                                              {"mediumDashed", enums::LineStyle::Dash, enums::BorderWeight::Medium},
                                              {"dotted", enums::LineStyle::Dot, enums::BorderWeight::Thin},
                                              {"double", enums::LineStyle::Double, enums::BorderWeight::Thick},
                                              {"dashDot", enums::LineStyle::DashDot, enums::BorderWeight::Thin},
                                              {"mediumDashDot", enums::LineStyle::DashDot, enums::BorderWeight::Medium},
                                              {"dashDotDot", enums::LineStyle::DashDotDot, enums::BorderWeight::Thin},
                                              {"mediumDashDotDot", enums::LineStyle::DashDotDot, enums::BorderWeight::Medium},
                                              {"slantDashDot", enums::LineStyle::SlantDashDot, enums::BorderWeight::Medium}}};

struct BuiltIn {
    int64_t id;
    const char* code;
};
constexpr std::array<BuiltIn, 28> kBuiltIn = {{{0, ""},
                                               {1, "0"},
                                               {2, "0.00"},
                                               {3, "#,##0"},
                                               {4, "#,##0.00"},
                                               {9, "0%"},
                                               {10, "0.00%"},
                                               {11, "0.00E+00"},
                                               {12, "# ?/?"},
                                               {13, "# ?\?/??"},
                                               {14, "mm-dd-yy"},
                                               {15, "d-mmm-yy"},
                                               {16, "d-mmm"},
                                               {17, "mmm-yy"},
                                               {18, "h:mm AM/PM"},
                                               {19, "h:mm:ss AM/PM"},
                                               {20, "h:mm"},
                                               {21, "h:mm:ss"},
                                               {22, "m/d/yy h:mm"},
                                               {37, "#,##0 ;(#,##0)"},
                                               {38, "#,##0 ;[Red](#,##0)"},
                                               {39, "#,##0.00;(#,##0.00)"},
                                               {40, "#,##0.00;[Red](#,##0.00)"},
                                               {45, "mm:ss"},
                                               {46, "[h]:mm:ss"},
                                               {47, "mmss.0"},
                                               {48, "##0.0E+0"},
                                               {49, "@"}}};

} // namespace

int32_t HorizontalOf(std::string_view name) {
    return ValueOf(kHorizontal, name, enums::HAlign::General);
}
std::string_view HorizontalName(int32_t value) {
    return NameOf(kHorizontal, value, "general");
}
int32_t VerticalOf(std::string_view name) {
    return ValueOf(kVertical, name, enums::VAlign::Bottom);
}
std::string_view VerticalName(int32_t value) {
    return NameOf(kVertical, value, "bottom");
}
int32_t UnderlineOf(std::string_view name) {
    return name.empty() ? enums::Underline::Single : ValueOf(kUnderline, name, enums::Underline::None);
}
std::string_view UnderlineName(int32_t value) {
    return NameOf(kUnderline, value, "none");
}
int32_t PatternOf(std::string_view name) {
    return ValueOf(kPattern, name, enums::Pattern::None);
}
std::string_view PatternName(int32_t value) {
    return NameOf(kPattern, value, "none");
}

void LineOf(std::string_view name, model::BorderLine& line) {
    for (const auto& l : kLines) {
        if (l.name == name) {
            line.lineStyle = l.style;
            line.weight = l.weight;
            return;
        }
    }
    line.lineStyle = enums::LineStyle::None;
    line.weight = enums::BorderWeight::Thin;
}

std::string_view LineName(const model::BorderLine& line) {
    const bool heavy = line.weight == enums::BorderWeight::Medium || line.weight == enums::BorderWeight::Thick;
    switch (line.lineStyle) {
    case enums::LineStyle::Continuous:
        return line.weight == enums::BorderWeight::Hairline ? "hair"
               : line.weight == enums::BorderWeight::Medium ? "medium"
               : line.weight == enums::BorderWeight::Thick  ? "thick"
                                              : "thin";
    case enums::LineStyle::Dash:
        return heavy ? "mediumDashed" : "dashed";
    case enums::LineStyle::Dot:
        return "dotted";
    case enums::LineStyle::Double:
        return "double";
    case enums::LineStyle::DashDot:
        return heavy ? "mediumDashDot" : "dashDot";
    case enums::LineStyle::DashDotDot:
        return heavy ? "mediumDashDotDot" : "dashDotDot";
    case enums::LineStyle::SlantDashDot:
        return "slantDashDot";
    default:
        return "none";
    }
}

const char* BuiltInFormat(int64_t id) {
    for (const auto& b : kBuiltIn) {
        if (b.id == id) {
            return b.code;
        }
    }
    return nullptr;
}

int64_t BuiltInId(std::string_view code) {
    if (code == "General") {
        return 0;
    }
    for (const auto& b : kBuiltIn) {
        if (b.code == code) {
            return b.id;
        }
    }
    return -1;
}

bool IsDateFormat(const std::string& code) {
    const numfmt::CompileResult compiled = numfmt::FormatCode::Compile(code);
    if (!compiled.Ok()) {
        return false;
    }
    const auto& sections = compiled.Code()->NumberSections();
    return !sections.empty() && sections.front().m_kind == numfmt::SectionKind::Date;
}

uint32_t ColorOfArgb(std::string_view argb, uint32_t fallback) {
    if (argb.size() == 8) {
        argb.remove_prefix(2);
    }
    if (argb.size() != 6) {
        return fallback;
    }
    uint32_t rgb = 0;
    for (const char c : argb) {
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                 : -1;
        if (digit < 0) {
            return fallback;
        }
        rgb = rgb * 16 + static_cast<uint32_t>(digit);
    }
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

std::string ArgbOf(uint32_t color) {
    static const char digits[] = "0123456789ABCDEF";
    const uint32_t rgb = ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
    std::string out = "FF";
    for (int shift = 20; shift >= 0; shift -= 4) {
        out += digits[(rgb >> shift) & 0xF];
    }
    return out;
}

uint32_t ColorOfIndexed(int64_t index) {
    // 0 to 7 repeat the first eight palette colours; 8 to 63 are the palette.
    if (index >= 0 && index < 8) {
        return model::palette::ColorOf(static_cast<int32_t>(index) + 1);
    }
    if (index >= 8 && index < 8 + model::palette::kSize) {
        return model::palette::ColorOf(static_cast<int32_t>(index) - 7);
    }
    return model::kAutoColor;
}

uint32_t ApplyTint(uint32_t color, double tint) {
    if (tint == 0.0) {
        return color;
    }
    // Tints work on the lightness of the colour in HLS.
    double rgb[3] = {(color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0,
                     ((color >> 16) & 0xFF) / 255.0};
    const double hi = std::max({rgb[0], rgb[1], rgb[2]});
    const double lo = std::min({rgb[0], rgb[1], rgb[2]});
    double l = (hi + lo) / 2;
    double h = 0, s = 0;
    if (hi != lo) {
        const double d = hi - lo;
        s = l > 0.5 ? d / (2 - hi - lo) : d / (hi + lo);
        h = hi == rgb[0]   ? (rgb[1] - rgb[2]) / d + (rgb[1] < rgb[2] ? 6 : 0)
            : hi == rgb[1] ? (rgb[2] - rgb[0]) / d + 2
                           : (rgb[0] - rgb[1]) / d + 4;
        h /= 6;
    }
    l = tint < 0 ? l * (1 + tint) : l * (1 - tint) + tint;
    auto channel = [&](double t) {
        const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
        const double p = 2 * l - q;
        t = t < 0 ? t + 1 : t > 1 ? t - 1 : t;
        if (t < 1.0 / 6) return p + (q - p) * 6 * t;
        if (t < 0.5) return q;
        if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
        return p;
    };
    const double out[3] = {s == 0 ? l : channel(h + 1.0 / 3), s == 0 ? l : channel(h),
                           s == 0 ? l : channel(h - 1.0 / 3)};
    uint32_t result = 0;
    for (int i = 2; i >= 0; --i) {
        result = result * 256 + static_cast<uint32_t>(std::lround(std::clamp(out[i], 0.0, 1.0) * 255));
    }
    return result;
}

} // namespace vantor::xlsx::codes
