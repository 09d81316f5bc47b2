#include "vantor/pages/cell/CellPropFont.hpp"

#include "vantor/automation/InstalledFonts.hpp"
#include "vantor/automation/TextFunctions.hpp"
#include "vantor/automation/TracingObject.hpp"
#include "vantor/controls/MemoryPropertyBag.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/ui/Environment.hpp"

#include <charconv>
#include <cmath>

namespace vantor {

namespace {

constexpr int32_t AutomaticColorIndex = -4105;
// The system colour of window text, which the sample shows for the automatic colour.
constexpr int32_t WindowTextColor = static_cast<int32_t>(0x80000008);
// The character set of the sample's font.
constexpr int16_t Gb2312Charset = 134;

// The named sizes, largest first; their texts open the size list.
constexpr std::array<CellPropFont::NamedSize, 16> NamedSizes() {
    return {{{"Huge", 36},
             {"Very large", 31},
             {"Large", 27},
             {"Large heading", 24},
             {"Heading", 21},
             {"Small heading", 18},
             {"Title", 16},
             {"Subtitle", 15},
             {"Big text", 14},
             {"Text", 12},
             {"Small text", 10},
             {"Note", 9},
             {"Small note", 8},
             {"Tiny", 7},
             {"Very tiny", 6},
             {"Smallest", 5}}};
}

constexpr const char* PointSizes[] = {" 8", " 9", "10", "11", "12", "14", "16", "18",
                                      "20", "22", "24", "26", "28", "36", "48", "72"};

// The application's font list; a tracing wrapper hides it, so look through one.
std::shared_ptr<InstalledFonts> FontsOf(const ObjectRef& app) {
    if (auto fonts = app.As<InstalledFonts>()) {
        return fonts;
    }
    if (auto tracer = app.As<TracingObject>()) {
        return FontsOf(tracer->Inner());
    }
    throw AutomationError(err::NotSupported, "The application does not list its fonts");
}

// The longest leading part of the text that reads as a decimal number
// (after blanks; optional sign, point and exponent), 0 when there is none.
double LeadingNumber(const std::string& text) {
    size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) {
        return 0;
    }
    bool negative = false;
    if (text[start] == '+' || text[start] == '-') {
        negative = text[start] == '-';
        ++start;
    }
    auto digits = [&](size_t i) {
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        return i;
    };
    size_t end = digits(start);
    bool any = end > start;
    if (end < text.size() && text[end] == '.') {
        const size_t fraction = digits(end + 1);
        any = any || fraction > end + 1;
        end = fraction;
    }
    if (!any) {
        return 0;
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        if (const size_t last = digits(exponent); last > exponent) {
            end = last;
        }
    }
    double value = 0;
    const auto result = std::from_chars(text.data() + start, text.data() + end, value);
    if (result.ec == std::errc::result_out_of_range) {
        value = HUGE_VAL; // too large for any size; converting it overflows
    }
    return negative ? -value : value;
}

} // namespace

CellPropFont::CellPropFont()
    : PropertyPage("Font", true, "Font", {0, 0, 5640, 4080}), m_aFontSizes(NamedSizes()) {
    cbxFontName->SetStyle(ComboStyle::Simple);
    cbxSize->SetStyle(ComboStyle::DropDownCombo);
    for (const NamedSize& size : m_aFontSizes) {
        cbxSize->AddItem(size.strText);
    }
    for (const char* size : PointSizes) {
        cbxSize->AddItem(size);
    }

    // The sample as the design stores it.
    MemoryPropertyBag design;
    design.Set("BorderStyle", Variant(int16_t{1}))
        .Set("BackColor", Variant(static_cast<int32_t>(0x80000005)))
        .Set("FontName", Variant("宋体"))
        .Set("FontSize", Variant(9.0f))
        .Set("Font", Variant(std::make_shared<FontObject>(
                         FontAttributes{"宋体", 9.0f, false, false, false, false, Gb2312Charset})))
        .Set("Text", Variant("Sample 中文 English"));
    prvPreview->ReadProperties(design);

    NotifyOn(*cbxFontName, ev::Click);
    cbxFontName->On(ev::Validate, [this](EventArgs&) { OnFontNameValidate(); });
    NotifyOn(*cbxSize, ev::Click);
    NotifyOn(*cbxSize, ev::Validate);
    for (CheckBox* box :
         {chkBold.get(), chkItalic.get(), chkUnderline.get(), chkStrikethrough.get()}) {
        NotifyOn(*box, ev::Click);
    }
    NotifyOn(*csxFontColor, ev::ColorPicked);
}

void CellPropFont::TakeSubTargets(ErrorTrap& trap) {
    // A target without a font must not leave the previous target's in place.
    m_oFont = ObjectRef();
    trap([&] { m_oFont = m_oTarget.Get("Font").ToObject(); });
}

int32_t CellPropFont::OnReset() noexcept {
    ErrorTrap trap;
    WriteLog(ResetTag());
    m_bLoading = true;
    m_bCounted = false;
    LoadControls(trap);
    trap([&] { Environment::Current().DoEvents(); });
    m_bLoading = false;
    trap([&] { UpdatePreview(); });
    CheckError(ResetTag(), trap);
    return 0;
}

void CellPropFont::LoadControls(ErrorTrap& trap) {
    std::shared_ptr<InstalledFonts> fonts;
    int32_t count = 0;
    trap([&] { fonts = FontsOf(m_oTarget.Get("Application").ToObject()); });
    trap([&] { count = fonts->InstalledFontCount(); });
    trap([&] { cbxFontName->SetVisible(false); });
    // Emptied first, so that a second reset does not list every font twice.
    trap([&] { cbxFontName->Clear(); });
    trap([&] { cbxFontName->SetText(""); });
    for (int32_t i = 0; i < count; ++i) {
        trap([&] { cbxFontName->AddItem(fonts->InstalledFontName(i)); });
    }
    trap([&] { cbxFontName->SetVisible(true); });
    trap([&] { LoadSettingCombo(*cbxFontName, m_oFont.Get("Name"), false); });
    m_nLastFontIndex = static_cast<int16_t>(cbxFontName->ListIndex());

    trap([&] {
        const Variant size = m_oFont.Get("Size");
        Variant shown = size;
        for (const NamedSize& named : m_aFontSizes) {
            if (!size.IsNull() && size.ToDouble() == named.nSize) {
                shown = Variant(named.strText);
                break;
            }
        }
        LoadSettingText(*cbxSize, shown);
    });
    m_strLoadedSize = cbxSize->Text();

    trap([&] { LoadSettingCheckbox(*chkBold, m_oFont.Get("Bold")); });
    trap([&] { LoadSettingCheckbox(*chkItalic, m_oFont.Get("Italic")); });
    trap([&] { LoadSettingCheckbox(*chkStrikethrough, m_oFont.Get("Strikethrough")); });
    trap([&] {
        const Variant underline = m_oFont.Get("Underline");
        LoadSettingCheckbox(*chkUnderline,
                            underline.IsNull() ? underline : Variant(underline.ToDouble() > 0));
    });
    const int32_t underlineShown = chkUnderline->Value();
    m_vtLoadedUnderline = underlineShown == 2 ? Variant::Null() : Variant(underlineShown == 1);

    trap([&] { LoadSettingColor(*csxFontColor, m_oFont.Get("color"), m_oFont.Get("ColorIndex")); });
}

int32_t CellPropFont::OnApply() noexcept {
    ErrorTrap trap;
    WriteLog(ApplyTag());
    m_bCounted = false;
    ApplyControls(trap);
    trap([&] { m_oTarget.Call("Apply"); });
    trap([&] { m_oTarget.Call("AutoFitColsWidth"); });
    trap([&] { m_oTarget.Call("AutoFitRowsHeight"); });
    DropInvalidCallError(trap);
    CheckError(ApplyTag(), trap);
    return 0;
}

void CellPropFont::ApplyControls(ErrorTrap& trap) {
    // Without a selected font (mixed fonts, or one not installed) the name is kept.
    const int32_t fontIndex = cbxFontName->ListIndex();
    trap([&] {
        m_oFont.Put("Name", fontIndex < 0 ? Variant::Null()
                                          : SafeSetting(Variant(cbxFontName->List(fontIndex)),
                                                        m_oFont.Get("Name")));
    });
    // The size is written only when the user changed the box, and never as 0
    // (an empty box over mixed sizes): a cell of 10.5 points stays so.
    if (cbxSize->Text() != m_strLoadedSize) {
        trap([&] {
            const int32_t size = GetFontSize();
            if (size != 0) {
                m_oFont.Put("Size", Variant(size));
            }
        });
    }
    trap([&] { m_oFont.Put("Bold", SafeSettingCheckBox(chkBold->Value(), m_oFont.Get("Bold"))); });
    trap([&] {
        m_oFont.Put("Italic", SafeSettingCheckBox(chkItalic->Value(), m_oFont.Get("Italic")));
    });
    trap([&] {
        m_oFont.Put("Strikethrough",
                    SafeSettingCheckBox(chkStrikethrough->Value(), m_oFont.Get("Strikethrough")));
    });
    // Compared with what the box showed after loading, so that an untouched
    // box keeps an underline style other than single (double, accounting).
    trap([&] {
        m_oFont.Put("Underline", SafeSettingCheckBox(chkUnderline->Value(), m_vtLoadedUnderline));
    });
    const int32_t color = csxFontColor->SelColor();
    if (color == ColorSelBox::Automatic) {
        trap([&] { m_oFont.Put("ColorIndex", Variant(AutomaticColorIndex)); });
    } else if (color != ColorSelBox::NoColor) {
        trap([&] { m_oFont.Put("color", Variant(color)); });
    }
}

void CellPropFont::NotifyModified(bool bFlag) noexcept {
    PropertyPage::NotifyModified(bFlag);
    if (!m_bLoading) {
        ErrorTrap trap;
        trap([&] { UpdatePreview(); });
        CheckError("", trap);
    }
}

void CellPropFont::OnFontNameValidate() {
    ErrorTrap trap;
    trap([&] {
        if (cbxFontName->ListIndex() < 0) {
            const std::string typed = ToUpper(cbxFontName->Text());
            for (int32_t i = 0; i < cbxFontName->ListCount(); ++i) {
                if (ToUpper(cbxFontName->List(i)) == typed) {
                    cbxFontName->SetListIndex(i);
                    break;
                }
            }
        }
    });
    trap([&] {
        if (cbxFontName->ListIndex() < 0) {
            cbxFontName->SetListIndex(m_nLastFontIndex);
        }
    });
    // With no accepted name to bring back, the unknown one is not left showing.
    trap([&] {
        if (cbxFontName->ListIndex() < 0) {
            cbxFontName->SetText("");
        }
    });
    m_nLastFontIndex = static_cast<int16_t>(cbxFontName->ListIndex());
    CheckError("", trap);
}

void CellPropFont::PutPreview(int32_t dispId, const Variant& value) {
    ObjectRef(prvPreview).InvokeId(dispId, InvokeKind::Put, std::span(&value, 1));
}

void CellPropFont::UpdatePreview() {
    PutPreview(FontPreview::DispFontName, Variant(cbxFontName->Text()));
    PutPreview(FontPreview::DispFontBold, Variant(chkBold->Value() != 0));
    PutPreview(FontPreview::DispFontItalic, Variant(chkItalic->Value() != 0));
    PutPreview(FontPreview::DispFontUnderline, Variant(chkUnderline->Value() != 0));
    PutPreview(FontPreview::DispFontStrikethru, Variant(chkStrikethrough->Value() != 0));
    PutPreview(FontPreview::DispFontSize, Variant(static_cast<float>(GetFontSize())));
    const int32_t color = ObjectRef(csxFontColor).InvokeId(1, InvokeKind::Get, {}).ToLong();
    // The automatic colour shows as window text, not as the last colour picked.
    PutPreview(FontPreview::DispForeColor,
               Variant(color == ColorSelBox::Automatic ? WindowTextColor : color));
    ObjectRef(prvPreview).InvokeId(FontPreview::DispPreview, InvokeKind::Call, {});
}

int32_t CellPropFont::GetFontSize() const {
    const std::string& text = cbxSize->Text();
    for (const NamedSize& named : m_aFontSizes) {
        if (named.strText == text) {
            return named.nSize;
        }
    }
    return Variant(std::fabs(LeadingNumber(text))).ToLong();
}

} // namespace vantor
