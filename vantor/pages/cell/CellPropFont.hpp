#pragma once
#include "vantor/controls/FontPreview.hpp"
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/ColorSelBox.hpp"
#include "vantor/ui/ComboBox.hpp"
#include "vantor/ui/CompartLine.hpp"
#include "vantor/ui/Frame.hpp"
#include "vantor/ui/Label.hpp"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace vantor {

// The font of the selected cells: name, size, styles and colour, on the
// target's "Font", with a live sample. The size box mixes named sizes with
// point sizes; a typed font name is matched without regard to case or
// thrown back; applying ends by fitting the columns and rows.
class CellPropFont : public PropertyPage {
public:
    // One named size: its text in the size box and its whole point size.
    struct NamedSize {
        std::string strText;
        int16_t nSize;
    };

    CellPropFont();
    std::string ClassName() const override { return "CellPropFont"; }

    int32_t OnApply() noexcept override;

    // The whole point size the size box shows: a named size's value, else the
    // number its text starts with (absolute, halves to even; 0 for none).
    int32_t GetFontSize() const;

    // The form design (positions in twips).
    const std::shared_ptr<Label> Label1 = Add<Label>("Label1", {120, 120, 2700, 195}, "Font:");
    const std::shared_ptr<ComboBox> cbxFontName =
        Add<ComboBox>("cbxFontName", {120, 360, 2700, 2040});
    const std::shared_ptr<Label> Label2 = Add<Label>("Label2", {3000, 120, 1680, 195}, "Size:");
    const std::shared_ptr<ComboBox> cbxSize = Add<ComboBox>("cbxSize", {3000, 360, 1680, 300});
    const std::shared_ptr<Frame> Frame1 = Add<Frame>("Frame1", {3000, 780, 2520, 1620}, "Style");
    const std::shared_ptr<CheckBox> chkBold =
        Add<CheckBox>("chkBold", {120, 300, 2200, 255}, "Bold", "Frame1");
    const std::shared_ptr<CheckBox> chkItalic =
        Add<CheckBox>("chkItalic", {120, 620, 2200, 255}, "Italic", "Frame1");
    const std::shared_ptr<CheckBox> chkUnderline =
        Add<CheckBox>("chkUnderline", {120, 940, 2200, 255}, "Underline", "Frame1");
    const std::shared_ptr<CheckBox> chkStrikethrough =
        Add<CheckBox>("chkStrikethrough", {120, 1260, 2200, 255}, "Strikethrough", "Frame1");
    const std::shared_ptr<Label> Label3 = Add<Label>("Label3", {120, 2580, 900, 195}, "Colour:");
    const std::shared_ptr<ColorSelBox> csxFontColor =
        Add<ColorSelBox>("csxFontColor", {1080, 2520, 1455, 315});
    const std::shared_ptr<CompartLine> CompartLine1 =
        Add<CompartLine>("CompartLine1", {120, 3000, 5400, 30});
    const std::shared_ptr<FontPreview> prvPreview =
        Add<FontPreview>("prvPreview", {120, 3120, 5400, 840});

protected:
    void TakeSubTargets(ErrorTrap& trap) override;
    void LoadControls(ErrorTrap& trap) override;
    void ApplyControls(ErrorTrap& trap) override;
    // The sample shows what the reset loaded.
    void AfterLoad(ErrorTrap& trap) override;
    void NotifyModified(bool bFlag = true) noexcept override;

private:
    void OnFontNameValidate();
    void UpdatePreview();
    // Sets a member of the sample by its dispatch identifier.
    void PutPreview(int32_t dispId, const Variant& value);

    ObjectRef m_oFont;
    int16_t m_nLastFontIndex = -1;
    const std::array<NamedSize, 16> m_aFontSizes;
};

} // namespace vantor
