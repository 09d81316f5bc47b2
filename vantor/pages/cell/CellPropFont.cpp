#include "vantor/pages/cell/CellPropFont.hpp"

#include "vantor/automation/InstalledFonts.hpp"
#include "vantor/automation/TextFunctions.hpp"
#include "vantor/automation/TracingObject.hpp"
#include "vantor/controls/MemoryPropertyBag.hpp"
#include "vantor/framework/ErrorRecording.hpp"
#include "vantor/framework/GlobalFunction.hpp"

#include <cmath>

namespace vantor {

namespace {

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

} // namespace

CellPropFont::CellPropFont()
    : PropertyPage(LogTags::Word("Font"), PageCounter::CellFormat, "Font", {0, 0, 5640, 4080}), m_aFontSizes(NamedSizes()) {
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
    // The sample follows the size as it is typed; the page is marked modified
    // only once the box is left.
    cbxSize->On(ev::Change, [this](EventArgs&) {
        if (!m_bLoading) {
            ErrorTrap trap;
            trap([&] { UpdatePreview(); });
            CheckError("", trap);
        }
    });
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

void CellPropFont::AfterLoad(ErrorTrap& trap) {
    trap([&] { UpdatePreview(); });
}

void CellPropFont::LoadControls(ErrorTrap& trap) {
    std::shared_ptr<InstalledFonts> fonts;
    int32_t count = 0;
    trap([&] { fonts = FontsOf(m_oTarget.Get("Application").ToObject()); });
    trap([&] {
        // An application that could not be reached lists no fonts (as a call on Nothing).
        if (fonts == nullptr) {
            throw AutomationError(err::ObjectNotSet);
        }
        count = fonts->InstalledFontCount();
    });
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

    trap([&] { LoadSettingCheckbox(*chkBold, m_oFont.Get("Bold")); });
    trap([&] { LoadSettingCheckbox(*chkItalic, m_oFont.Get("Italic")); });
    trap([&] { LoadSettingCheckbox(*chkStrikethrough, m_oFont.Get("Strikethrough")); });
    trap([&] {
        const Variant underline = m_oFont.Get("Underline");
        LoadSettingCheckbox(*chkUnderline,
                            underline.IsNull() ? underline : Variant(underline.ToDouble() > 0));
    });

    trap([&] {
        const Variant color = m_oFont.Get("color");
        LoadSettingColor(*csxFontColor, color, m_oFont.Get("ColorIndex"));
    });
}

int32_t CellPropFont::OnApply() noexcept {
    const ErrorRecording recording(m_lastError);
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
    if (cbxSize->ChangedFromSaved()) {
        trap([&] {
            const int32_t size = GetFontSize();
            if (size != 0) {
                m_oFont.Put("Size", Variant(size));
            }
        });
    }
    trap([&] { ApplySettingCheckbox(m_oFont, "Bold", *chkBold); });
    trap([&] { ApplySettingCheckbox(m_oFont, "Italic", *chkItalic); });
    trap([&] { ApplySettingCheckbox(m_oFont, "Strikethrough", *chkStrikethrough); });
    // Compared with what the box showed after loading, so that an untouched
    // box keeps an underline style other than single (double, accounting).
    trap([&] {
        m_oFont.Put("Underline", chkUnderline->ChangedFromSaved()
                                     ? SafeSettingCheckBox(chkUnderline->Value(), Variant::Null())
                                     : Variant::Null());
    });
    trap([&] { ApplySettingColor(m_oFont, "color", "ColorIndex", *csxFontColor); });
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
