#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/ComboBox.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/Frame.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/ListBox.hpp"
#include "vantor/ui/NumberEdit.hpp"
#include "vantor/ui/TextBox.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace vantor {

// The number format of the selected cells, chosen by category: options from
// which the page builds a code (Number, Currency, Scientific, Percent), a
// list of the application's formats with a sample each (Date, Time, Special,
// Text, Custom), or nothing (General). The code stands in an editable box;
// a typed code can be added to the application. The application's
// "NumberFormats" collection recognises codes; the page only builds them.
class CellPropFormat : public PropertyPage {
public:
    CellPropFormat();
    std::string ClassName() const override { return "CellPropFormat"; }

    int32_t OnApply() noexcept override;
    // Refuses a typed code the application cannot use: says what is wrong,
    // and selects the bad part in the code box.
    int32_t ValidateData() noexcept override;

    static constexpr const char* BadCode = "This number format cannot be used: ";

    // The code the page will apply.
    const std::string& FormatCode() const { return m_strFormatCode; }

    // The form design (positions in twips). The six option frames share one place.
    const std::shared_ptr<Label> Label1 = Add<Label>("Label1", {120, 120, 1800, 195}, "Category:");
    const std::shared_ptr<ListBox> lstCategory =
        Add<ListBox>("lstCategory", {120, 360, 1800, 2760});
    const std::shared_ptr<Frame> frNone = Add<Frame>("frNone", {2040, 120, 3840, 2280}, "General");
    const std::shared_ptr<Label> Label2 =
        Add<Label>("Label2", {120, 360, 3600, 1200},
                   "General cells show numbers as they are, with no particular format.", "frNone");
    const std::shared_ptr<Frame> frNumber =
        Add<Frame>("frNumber", {2040, 120, 3840, 2280}, "Number");
    const std::shared_ptr<Label> Label3 =
        Add<Label>("Label3", {120, 420, 1680, 195}, "Decimal places:", "frNumber");
    const std::shared_ptr<NumberEdit> nbeNumSpaces =
        Add<NumberEdit>("nbeNumSpaces", {1920, 360, 900, 300}, "", "frNumber");
    const std::shared_ptr<CheckBox> chkNumComma = Add<CheckBox>(
        "chkNumComma", {120, 840, 3600, 255}, "Use a thousands separator", "frNumber");
    const std::shared_ptr<Frame> frCurrency =
        Add<Frame>("frCurrency", {2040, 120, 3840, 2280}, "Currency");
    const std::shared_ptr<Label> Label4 =
        Add<Label>("Label4", {120, 420, 1680, 195}, "Decimal places:", "frCurrency");
    const std::shared_ptr<NumberEdit> nbeCurSpaces =
        Add<NumberEdit>("nbeCurSpaces", {1920, 360, 900, 300}, "", "frCurrency");
    const std::shared_ptr<Label> Label5 =
        Add<Label>("Label5", {120, 840, 1680, 195}, "Symbol:", "frCurrency");
    const std::shared_ptr<ComboBox> cbxCurSymbol =
        Add<ComboBox>("cbxCurSymbol", {1920, 780, 900, 300}, "", "frCurrency");
    const std::shared_ptr<Frame> frScientific =
        Add<Frame>("frScientific", {2040, 120, 3840, 2280}, "Scientific");
    const std::shared_ptr<Label> Label6 =
        Add<Label>("Label6", {120, 420, 1680, 195}, "Decimal places:", "frScientific");
    const std::shared_ptr<NumberEdit> nbeSciSpaces =
        Add<NumberEdit>("nbeSciSpaces", {1920, 360, 900, 300}, "", "frScientific");
    const std::shared_ptr<CheckBox> chkShowPlug =
        Add<CheckBox>("chkShowPlug", {120, 840, 3600, 255}, "Plus sign before positive exponents",
                      "frScientific");
    const std::shared_ptr<Frame> frPercent =
        Add<Frame>("frPercent", {2040, 120, 3840, 2280}, "Percent");
    const std::shared_ptr<Label> Label7 =
        Add<Label>("Label7", {120, 420, 1680, 195}, "Decimal places:", "frPercent");
    const std::shared_ptr<NumberEdit> nbePercentSpace =
        Add<NumberEdit>("nbePercentSpace", {1920, 360, 900, 300}, "", "frPercent");
    const std::shared_ptr<Frame> frFormatList = Add<Frame>("frFormatList", {2040, 120, 3840, 2280});
    const std::shared_ptr<ListBox> lstFormat =
        Add<ListBox>("lstFormat", {0, 0, 3840, 2280}, "", "frFormatList");
    const std::shared_ptr<ListBox> lstFormatStr = Add<ListBox>("lstFormatStr", {0, 0, 3840, 2280});
    const std::shared_ptr<Label> Label8 =
        Add<Label>("Label8", {2040, 2520, 2760, 195}, "Format code:");
    const std::shared_ptr<TextBox> txtFormatCode =
        Add<TextBox>("txtFormatCode", {2040, 2760, 2760, 300});
    const std::shared_ptr<CommandButton> cmdAdd =
        Add<CommandButton>("cmdAdd", {4920, 2745, 960, 330}, "Add");
    const std::shared_ptr<Frame> Frame1 = Add<Frame>("Frame1", {2040, 3240, 3840, 720}, "Preview");
    const std::shared_ptr<Label> lblPreview =
        Add<Label>("lblPreview", {120, 300, 3600, 255}, "", "Frame1");

protected:
    void LoadControls(ErrorTrap& trap) override;
    void ApplyControls(ErrorTrap& trap) override;

private:
    ObjectRef NumberFormats() const;
    int32_t SelectedCategory() const;
    // The code of a built category from the current values of its options.
    std::string BuildCode(int32_t category) const;
    // Makes the built code current, shows it and notifies a change.
    void TakeBuiltCode(ErrorTrap& trap, int32_t category);

    void LoadFormat(const Variant& code) noexcept;
    void LoadCagegory(int32_t category) noexcept;

    void OnCategoryClick() noexcept;
    void OnFormatClick() noexcept;
    void OnOptionChange(int32_t category, const char* tag) noexcept;
    void OnFormatCodeChange() noexcept;
    // Shows the cells' value in the code of the code box.
    void ShowPreview(ErrorTrap& trap);
    void OnAddClick() noexcept;

    std::string m_strFormatCode;
};

} // namespace vantor
