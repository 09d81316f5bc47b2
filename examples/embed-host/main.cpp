// A host with an object model of its own embeds two pages of the library: it
// creates the alignment and font pages by class name, hands them its objects,
// plays a user's changes and applies, as a property dialog does on OK.
//
// Pages reach the host's objects late-bound, by member name, through
// vantor::Object. A page reads every member it shows when it loads, and on
// apply writes each one back: the user's value, or Null for "keep".
#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/Enumerations.hpp"
#include "vantor/automation/InstalledFonts.hpp"
#include "vantor/automation/Object.hpp"
#include "vantor/automation/TextFunctions.hpp"
#include "vantor/framework/ClassTable.hpp"
#include "vantor/framework/DefaultTargetList.hpp"
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/HeadlessEnvironment.hpp"
#include "vantor/ui/ListControl.hpp"

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace vantor;

namespace {

std::string Show(const Variant& value) {
    if (value.IsNull()) {
        return "Null";
    }
    return value.IsObject() ? "(object)" : value.ToString();
}

// An object of the host's model: named values, read by Get and written by Put;
// a Null written means "keep the value". Members it does not have raise 438,
// as a late-bound object must.
class ModelObject : public Object {
public:
    ModelObject(std::string name, std::map<std::string, Variant> values) : m_name(std::move(name)) {
        for (auto& [member, value] : values) {
            m_values[FoldCase(member)] = std::move(value);
        }
    }

    Variant Invoke(std::string_view member, InvokeKind kind, std::span<const Variant> args) override {
        if (kind == InvokeKind::Call) {
            return Call(std::string(member));
        }
        const auto it = m_values.find(FoldCase(member));
        if (it == m_values.end()) {
            throw AutomationError(err::NotSupported, m_name + " has no " + std::string(member));
        }
        if (kind == InvokeKind::Get) {
            return it->second;
        }
        const Variant& value = args.back();
        std::printf("  %s.%s <- %s\n", m_name.c_str(), std::string(member).c_str(), Show(value).c_str());
        if (!value.IsNull()) {
            it->second = value;
        }
        return Variant();
    }

    Variant Value(const std::string& member) const { return m_values.at(FoldCase(member)); }

protected:
    virtual Variant Call(const std::string& method) {
        throw AutomationError(err::NotSupported, m_name + " has no method " + method);
    }

private:
    std::string m_name;
    std::map<std::string, Variant> m_values;
};

// The application: the font page lists the fonts it reports.
class Application : public ModelObject, public InstalledFonts {
public:
    Application() : ModelObject("Application", {}) {}
    int32_t InstalledFontCount() const override { return static_cast<int32_t>(m_fonts.size()); }
    std::string InstalledFontName(int32_t index) const override { return m_fonts.at(index); }

private:
    std::vector<std::string> m_fonts = {"DejaVu Sans", "DejaVu Serif", "Liberation Mono"};
};

// The format of the selected cells, the pages' target. "Apply" ends one
// dialog's writes; the page counts itself in "ApplyCache" when it changes.
class CellFormat : public ModelObject {
public:
    CellFormat(std::shared_ptr<Object> font, std::shared_ptr<Object> app)
        : ModelObject("Cells", {{"HorizontalAlignment", Variant(enums::HAlign::General)},
                                {"VerticalAlignment", Variant(enums::VAlign::Bottom)},
                                {"WrapText", Variant(false)},
                                {"ShrinkToFit", Variant(false)},
                                {"ApplyCache", Variant(0)},
                                {"Font", Variant(std::move(font))},
                                {"Application", Variant(std::move(app))}}) {}

private:
    Variant Call(const std::string& method) override {
        for (const char* known : {"Apply", "AutoFitRowsHeight", "AutoFitColsWidth"}) {
            if (EqualsIgnoreCase(method, known)) {
                std::printf("  Cells.%s()\n", known);
                return Variant();
            }
        }
        return ModelObject::Call(method);
    }
};

// The page site: a page tells it of every change the user makes.
class Site : public Object {
public:
    Variant Invoke(std::string_view member, InvokeKind, std::span<const Variant>) override {
        if (!EqualsIgnoreCase(member, "SetModified")) {
            throw AutomationError(err::NotSupported);
        }
        ++changes;
        return Variant();
    }
    int changes = 0;
};

} // namespace

int main() {
    // The pages' platform: message boxes, event loop. A GUI host installs its own.
    HeadlessEnvironment environment;
    EnvironmentScope scope(environment);

    auto app = std::make_shared<Application>();
    auto font = std::make_shared<ModelObject>("Font", std::map<std::string, Variant>{
        {"Name", Variant("DejaVu Sans")}, {"Size", Variant(11.0)}, {"Bold", Variant(false)},
        {"Italic", Variant(false)}, {"Strikethrough", Variant(false)}, {"Underline", Variant(enums::Underline::None)},
        {"Color", Variant(0)}, {"ColorIndex", Variant(enums::ColorIndex::Automatic)}});
    auto cells = std::make_shared<CellFormat>(font, app);
    auto site = std::make_shared<Site>();

    std::vector<std::shared_ptr<PropertyPage>> pages;
    for (const char* name : {"CellPropAlign", "CellPropFont"}) {
        auto page = ClassTable::CreatePropertyPage(name);
        if (page == nullptr) {
            return 1;
        }
        page->SetSite(ObjectRef(site));
        // Element 0 of the list is the page's target; the page loads from it here.
        page->SetTargets(std::make_shared<DefaultTargetList>(std::vector<Variant>{Variant(cells)}));
        std::string caption;
        page->GetCaption(caption);
        std::printf("page %s (%s) loaded\n", name, caption.c_str());
        pages.push_back(page);
    }

    // The user centres the text and makes it bold, through the controls'
    // user actions, as a front end would.
    auto& horizontal = pages[0]->ControlAs<ListControl>("cbxHorizonAlign");
    for (int32_t i = 0; i < horizontal.ListCount(); ++i) {
        if (horizontal.List(i) == "Center") {
            horizontal.UserSelect(i);
        }
    }
    pages[1]->Control("chkBold").UserClick();
    std::printf("site told of %d change(s)\n", site->changes);

    // OK: every page validates, then every page applies.
    std::printf("OK\n");
    for (const auto& page : pages) {
        if (page->ValidateData() != 0) {
            return 1;
        }
    }
    for (const auto& page : pages) {
        page->OnApply();
    }

    std::printf("the model now: horizontal %s, wrap %s, font %s %s bold %s\n",
                Show(cells->Value("HorizontalAlignment")).c_str(), Show(cells->Value("WrapText")).c_str(),
                Show(font->Value("Name")).c_str(), Show(font->Value("Size")).c_str(),
                Show(font->Value("Bold")).c_str());
    const bool ok = cells->Value("HorizontalAlignment").ToLong() == enums::HAlign::Center && font->Value("Bold").ToBool();
    return ok ? 0 : 1;
}
