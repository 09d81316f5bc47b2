#include "vantor/dialogs/CellStyles.hpp"

#include "vantor/automation/Enumerations.hpp"
#include "vantor/automation/TextFunctions.hpp"
#include "vantor/dialogs/CellStyleName.hpp"
#include "vantor/framework/ErrorRecording.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/ui/Environment.hpp"

#include <array>
#include <sstream>

namespace vantor {

namespace {

// The style's groups, in the order of lstIncludes.
constexpr std::array<const char*, 7> kIncludes = {
    "IncludeNumber",   "IncludeAlignment", "IncludeFont",      "IncludeBorder",
    "IncludePatterns", "IncludeControl",   "IncludeProtection"};

// Runs a handler's statements under one trap and logs what failed.
void Guarded(const std::function<void()>& body) {
    ErrorTrap trap;
    trap(body);
    CheckError("", trap);
}

} // namespace

CellStyles::CellStyles() : DialogPage("Cell Styles", {0, 0, 5535, 2730}) {
    cbxStyles->SetStyle(ComboStyle::DropDownList);
    lstIncludes->SetStyle(ListStyle::CheckBox);
    for (const char* group :
         {"Number", "Alignment", "Font", "Border", "Background", "Control", "Protection"}) {
        lstIncludes->AddItem(group);
    }
    cmdModify->SetEnabled(false);
    cmdDelete->SetEnabled(false);
    cmdOK->SetDefault(true);
    cmdClose->SetCancel(true);
    cmdOK->On(ev::Click, [this](EventArgs&) {
        Guarded([&] {
            const ObjectRef style = ChosenStyle();
            if (!style.IsNothing()) {
                WriteIncludes(style);
                m_vtParam.ToObject().Put("Style", style.Get("Name"));
            }
        });
        EndDialog(DialogSite::ResultOk);
    });
    cmdClose->On(ev::Click, [this](EventArgs&) { EndDialog(DialogSite::ResultCancel); });
    cbxStyles->On(ev::Click, [this](EventArgs&) { Guarded([&] { ShowStyle(); }); });
    cmdAdd->On(ev::Click, [this](EventArgs&) {
        Guarded([&] {
            const std::optional<std::string> name = AskStyleName();
            if (!name) {
                return;
            }
            int32_t includes = 0;
            for (int32_t g = 0; g < lstIncludes->ListCount(); ++g) {
                includes |= lstIncludes->Selected(g) ? 1 << g : 0;
            }
            const Variant style = m_oStyles.Call("Add", *name, m_vtParam, includes);
            LoadStyles(style.Get("Name"));
        });
    });
    cmdModify->On(ev::Click, [this](EventArgs&) {
        Guarded([&] {
            const ObjectRef style = ChosenStyle();
            WriteIncludes(style);
            if (m_stSite == nullptr) {
                throw AutomationError(err::ObjectNotSet);
            }
            m_stSite->ShowDialog("Format Cells", Variant(style));
            ShowStyle();
        });
    });
    cmdDelete->On(ev::Click, [this](EventArgs&) {
        Guarded([&] {
            ChosenStyle().Call("Delete");
            LoadStyles(m_vtParam.Get("Style"));
        });
    });
}

int32_t CellStyles::SetParam(const Variant& vtParam) noexcept {
    const ErrorRecording recording(m_lastError);
    m_vtParam = vtParam;
    ErrorTrap trap;
    trap([&] {
        m_oStyles = m_vtParam.Get("Worksheet").Get("Parent").Get("Styles").ToObject();
        LoadStyles(m_vtParam.Get("Style"));
    });
    CheckError("", trap);
    return 0;
}

void CellStyles::LoadStyles(const Variant& name) {
    cbxStyles->Clear();
    for (const Variant& style : m_oStyles.Enumerate()) {
        cbxStyles->AddItem(style.Get("Name").ToString());
    }
    int32_t chosen = -1;
    for (int32_t i = 0; !name.IsNull() && i < cbxStyles->ListCount(); ++i) {
        if (EqualsIgnoreCase(cbxStyles->List(i), name.ToString())) {
            chosen = i;
        }
    }
    cbxStyles->SetListIndex(chosen);
    ShowStyle();
}

ObjectRef CellStyles::ChosenStyle() const {
    const int32_t index = cbxStyles->ListIndex();
    return index < 0 ? ObjectRef() : m_oStyles.Call("Item", cbxStyles->List(index)).ToObject();
}

void CellStyles::ShowStyle() {
    const ObjectRef style = ChosenStyle();
    cmdModify->SetEnabled(!style.IsNothing());
    cmdDelete->SetEnabled(!style.IsNothing() && !style.Get("BuiltIn").ToBool());
    for (int32_t g = 0; g < lstIncludes->ListCount(); ++g) {
        lstIncludes->SetSelected(g, !style.IsNothing() && style.Get(kIncludes[g]).ToBool());
    }
    lblDescription->SetCaption(style.IsNothing() ? std::string() : Describe(style));
}

void CellStyles::WriteIncludes(const ObjectRef& style) const {
    for (int32_t g = 0; g < lstIncludes->ListCount(); ++g) {
        if (style.Get(kIncludes[g]).ToBool() != lstIncludes->Selected(g)) {
            style.Put(kIncludes[g], lstIncludes->Selected(g));
        }
    }
}

std::string CellStyles::Describe(const ObjectRef& style) {
    std::vector<std::string> parts;
    const auto included = [&style](int g) { return style.Get(kIncludes[g]).ToBool(); };
    if (included(0)) {
        const std::string code = style.Get("NumberFormat").ToString();
        parts.push_back(code.empty() ? "General" : code);
    }
    if (included(1)) {
        switch (style.Get("HorizontalAlignment").ToLong()) {
        case enums::HAlign::Left:
            parts.emplace_back("left");
            break;
        case enums::HAlign::Center:
            parts.emplace_back("centred");
            break;
        case enums::HAlign::Right:
            parts.emplace_back("right");
            break;
        default:
            parts.emplace_back("general alignment");
        }
        if (style.Get("WrapText").ToBool()) {
            parts.emplace_back("wrapped");
        }
        if (style.Get("ShrinkToFit").ToBool()) {
            parts.emplace_back("shrunk to fit");
        }
    }
    if (included(2)) {
        const ObjectRef font = style.Get("Font").ToObject();
        std::ostringstream text;
        text << font.Get("Name").ToString() << " " << font.Get("Size").ToDouble();
        parts.push_back(text.str());
        if (font.Get("Bold").ToBool()) {
            parts.emplace_back("bold");
        }
        if (font.Get("Italic").ToBool()) {
            parts.emplace_back("italic");
        }
    }
    if (included(3)) {
        bool any = false;
        for (const int32_t edge : {7, 8, 9, 10}) {
            any |= style.Get("Borders").Get("Item", edge).Get("LineStyle").ToLong() !=
                   enums::LineStyle::None;
        }
        parts.emplace_back(any ? "borders" : "no borders");
    }
    if (included(4)) {
        parts.emplace_back(style.Get("Interior").Get("Pattern").ToLong() == enums::Pattern::None
                               ? "no shading"
                               : "shaded");
    }
    if (included(5)) {
        const std::string control = style.Get("Control").Get("Name").ToString();
        parts.push_back(control.empty() ? "no control" : control);
    }
    if (included(6)) {
        parts.emplace_back(style.Get("ReadOnly").ToBool() ? "read-only" : "editable");
    }
    std::string description;
    for (const std::string& part : parts) {
        description += (description.empty() ? "" : ", ") + part;
    }
    return description;
}

std::optional<std::string> CellStyles::AskStyleName() {
    std::string name = CellStyleName::DefaultName;
    CellStyleName form;
    for (;;) {
        form.txtStyleName->SetText(name);
        Environment::Current().ShowModal(form);
        if (form.Cancelled()) {
            return std::nullopt;
        }
        name = form.txtStyleName->Text();
        if (IsValidStyleName(name)) {
            return name;
        }
        Environment::Current().MessageBox(NameRefused, msgbox::OkOnly | msgbox::Exclamation,
                                          Caption());
    }
}

bool CellStyles::IsValidStyleName(const std::string& name) const {
    if (Trim(name).empty()) {
        return false;
    }
    for (int32_t i = 0; i < cbxStyles->ListCount(); ++i) {
        if (EqualsIgnoreCase(cbxStyles->List(i), Trim(name))) {
            return false;
        }
    }
    return true;
}

} // namespace vantor
