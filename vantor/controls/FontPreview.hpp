#pragma once
#include "vantor/Export.h"
#include "vantor/controls/ControlContainer.hpp"
#include "vantor/controls/DrawingSurface.hpp"
#include "vantor/controls/PropertyBag.hpp"
#include "vantor/framework/LibraryObject.hpp"
#include "vantor/ui/Control.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace vantor {

// Paints one line of sample text in a font and colour, placed in its area by
// a horizontal and a vertical alignment code. It keeps the text and the two
// codes; colours, border and font live on its drawing surface only.
//
// Every setter stores the value, tells the container that the property
// changed and redraws; a failing step is skipped and the setter returns
// normally, except for the two alignment setters, whose failures reach the
// caller. Members are reachable by name and by dispatch identifier.
class VANTOR_API FontPreview : public DispatchObject<FontPreview, Control>, public LibraryObject {
public:
    static constexpr int32_t DispBackColor = 0x6803000C;
    static constexpr int32_t DispForeColor = 0x6803000B;
    static constexpr int32_t DispBorderStyle = 0x6803000A;
    static constexpr int32_t DispFontBold = 0x68030009;
    static constexpr int32_t DispFontItalic = 0x68030008;
    static constexpr int32_t DispFontName = 0x68030007;
    static constexpr int32_t DispFontSize = 0x68030006;
    static constexpr int32_t DispFontStrikethru = 0x68030005;
    static constexpr int32_t DispFontTransparent = 0x68030004;
    static constexpr int32_t DispFontUnderline = 0x68030003;
    static constexpr int32_t DispText = 0x68030002;
    static constexpr int32_t DispFont =
        static_cast<int32_t>(0xFFFFFE00); // the standard font identifier
    static constexpr int32_t DispVerticalAlign = 0x68030001;
    static constexpr int32_t DispHorizonAlign = 0x68030000;
    static constexpr int32_t DispPreview = 0x60030011;

    // System colours: the button face, the button text.
    static constexpr int32_t DefaultBackColor = static_cast<int32_t>(0x8000000F);
    static constexpr int32_t DefaultForeColor = static_cast<int32_t>(0x80000012);

    FontPreview(std::string name, Rect rect, std::shared_ptr<DrawingSurface> surface = nullptr);

    std::string Kind() const override { return "FontPreview"; }
    std::string ClassName() const override { return "FontPreview"; }
    static const MemberTable<FontPreview>& Members();

    int32_t BackColor() const { return m_pSurface->BackColor(); }
    void SetBackColor(int32_t color) noexcept;
    int32_t ForeColor() const { return m_pSurface->ForeColor(); }
    void SetForeColor(int32_t color) noexcept;
    int16_t BorderStyle() const { return m_pSurface->BorderStyle(); }
    void SetBorderStyle(int16_t style) noexcept;
    bool FontBold() const { return Font()->Attributes().bold; }
    void SetFontBold(bool on) noexcept;
    bool FontItalic() const { return Font()->Attributes().italic; }
    void SetFontItalic(bool on) noexcept;
    const std::string& FontName() const { return Font()->Attributes().name; }
    void SetFontName(const std::string& name) noexcept;
    float FontSize() const { return Font()->Attributes().size; }
    void SetFontSize(float size) noexcept;
    bool FontStrikethru() const { return Font()->Attributes().strikethrough; }
    void SetFontStrikethru(bool on) noexcept;
    bool FontTransparent() const { return m_pSurface->FontTransparent(); }
    void SetFontTransparent(bool on) noexcept;
    bool FontUnderline() const { return Font()->Attributes().underline; }
    void SetFontUnderline(bool on) noexcept;
    const std::string& Text() const { return m_strText; }
    void SetText(const std::string& text) noexcept;
    const std::shared_ptr<FontObject>& Font() const { return m_pSurface->Font(); }
    // Adopts the caller's font object: later changes to it show here too.
    void SetFont(const ObjectRef& font) noexcept;
    int32_t VerticalAlign() const { return m_lVerticalAlign; }
    void SetVerticalAlign(int32_t align);
    int32_t HorizonAlign() const { return m_lHorizonAlign; }
    void SetHorizonAlign(int32_t align);

    // Redraws the whole control; its watchers hear of it first.
    void Preview();

    // The text, font, colours and alignments, and where a recording surface
    // drew the last line.
    void Describe(ControlDescription& description) const override;

    // The container's hooks: placed for the first time, saved state read and
    // written, and a paint request. Reading and initialising do not draw.
    void AttachContainer(std::shared_ptr<ControlContainer> container) {
        m_pContainer = std::move(container);
    }
    void InitProperties() noexcept;
    void ReadProperties(const PropertyBag& bag) noexcept;
    void WriteProperties(PropertyBag& bag) const noexcept;
    void Paint() { Preview(); }

    DrawingSurface& Surface() const { return *m_pSurface; }

private:
    // The three steps of a setter, each skipped when it fails.
    template <typename Store> void SetProperty(const char* key, Store store) noexcept;
    void AdoptFont(const Variant& font);
    // The container's ambient font, or Nothing without a container.
    Variant AmbientFont() const;

    std::shared_ptr<DrawingSurface> m_pSurface;
    std::shared_ptr<ControlContainer> m_pContainer;
    std::string m_strText = "Preview";
    int32_t m_lVerticalAlign = 1;
    int32_t m_lHorizonAlign = 1;
};

} // namespace vantor
