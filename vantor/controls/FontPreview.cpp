#include "vantor/controls/FontPreview.hpp"

#include "vantor/automation/ErrorTrap.hpp"
#include "vantor/controls/RecordingSurface.hpp"
#include "vantor/ui/ControlDescription.hpp"

namespace vantor {

namespace {

// The font a saved state without font keys gives.
constexpr const char* DefaultFontName = "宋体";
constexpr float DefaultFontSize = 9.0f;

} // namespace

FontPreview::FontPreview(std::string name, Rect rect, std::shared_ptr<DrawingSurface> surface)
    : DispatchObject(std::move(name), rect),
      m_pSurface(surface ? std::move(surface) : std::make_shared<RecordingSurface>()) {
    m_pSurface->SetFont(
        std::make_shared<FontObject>(FontAttributes{DefaultFontName, DefaultFontSize}));
    m_pSurface->Resize(rect.width, rect.height);
    Watch([this] { m_pSurface->Resize(Position().width, Position().height); });
}

template <typename Store> void FontPreview::SetProperty(const char* key, Store store) noexcept {
    ErrorTrap trap;
    trap(store);
    trap([&] {
        if (m_pContainer) {
            m_pContainer->PropertyChanged(key);
        }
    });
    trap([&] { Preview(); });
}

void FontPreview::SetBackColor(int32_t color) noexcept {
    SetProperty("BackColor", [&] { m_pSurface->SetBackColor(color); });
}

void FontPreview::SetForeColor(int32_t color) noexcept {
    SetProperty("ForeColor", [&] { m_pSurface->SetForeColor(color); });
}

void FontPreview::SetBorderStyle(int16_t style) noexcept {
    SetProperty("BorderStyle", [&] { m_pSurface->SetBorderStyle(style); });
}

void FontPreview::SetFontBold(bool on) noexcept {
    SetProperty("FontBold", [&] { Font()->SetBold(on); });
}

void FontPreview::SetFontItalic(bool on) noexcept {
    SetProperty("FontItalic", [&] { Font()->SetItalic(on); });
}

void FontPreview::SetFontName(const std::string& name) noexcept {
    SetProperty("FontName", [&] { Font()->SetName(name); });
}

void FontPreview::SetFontSize(float size) noexcept {
    SetProperty("FontSize", [&] { Font()->SetSize(size); });
}

void FontPreview::SetFontStrikethru(bool on) noexcept {
    SetProperty("FontStrikethru", [&] { Font()->SetStrikethrough(on); });
}

void FontPreview::SetFontTransparent(bool on) noexcept {
    SetProperty("FontTransparent", [&] { m_pSurface->SetFontTransparent(on); });
}

void FontPreview::SetFontUnderline(bool on) noexcept {
    SetProperty("FontUnderline", [&] { Font()->SetUnderline(on); });
}

void FontPreview::SetText(const std::string& text) noexcept {
    SetProperty("Text", [&] { m_strText = text; });
}

void FontPreview::SetFont(const ObjectRef& font) noexcept {
    SetProperty("Font", [&] { AdoptFont(Variant(font)); });
}

void FontPreview::SetVerticalAlign(int32_t align) {
    m_lVerticalAlign = align;
    if (m_pContainer) {
        m_pContainer->PropertyChanged("VerticalAlign");
    }
    Preview();
}

void FontPreview::SetHorizonAlign(int32_t align) {
    m_lHorizonAlign = align;
    if (m_pContainer) {
        m_pContainer->PropertyChanged("HorizonAlign");
    }
    Preview();
}

void FontPreview::Describe(ControlDescription& description) const {
    description.Add("text", Variant(m_strText));
    description.Add("font", Variant(FontName()));
    description.Add("size", Variant(FontSize()));
    description.Add("bold", Variant(FontBold()));
    description.Add("italic", Variant(FontItalic()));
    description.Add("underline", Variant(FontUnderline()));
    description.Add("strikethru", Variant(FontStrikethru()));
    description.Add("forecolor", Variant(ForeColor()));
    description.Add("backcolor", Variant(BackColor()));
    description.Add("valign", Variant(m_lVerticalAlign));
    description.Add("halign", Variant(m_lHorizonAlign));
    const auto* surface = dynamic_cast<const RecordingSurface*>(m_pSurface.get());
    if (surface != nullptr && !surface->Lines().empty()) {
        const auto& drawn = surface->Lines().back();
        description.AddText("drawn", description.Format(Variant(drawn.x)) + "," + description.Format(Variant(drawn.y)));
    } else {
        description.AddText("drawn", "none");
    }
}

void FontPreview::Preview() {
    // Views of the control (the desktop front's painter) redraw with it.
    Changed();
    DrawingSurface& surface = *m_pSurface;
    surface.Clear();
    const float w = surface.TextWidth(m_strText);
    const float h = surface.TextHeight(m_strText);
    // A code outside 0 to 2 leaves the position where clearing put it.
    switch (m_lHorizonAlign) {
    case 0:
        surface.SetCurrentX(0);
        break;
    case 1:
        surface.SetCurrentX((surface.ScaleWidth() - w) / 2.0f);
        break;
    case 2:
        surface.SetCurrentX(surface.ScaleWidth() - w);
        break;
    default:
        break;
    }
    switch (m_lVerticalAlign) {
    case 0:
        surface.SetCurrentY(1);
        break;
    case 1:
        surface.SetCurrentY((surface.ScaleHeight() - h) / 2.0f);
        break;
    case 2:
        surface.SetCurrentY(surface.ScaleHeight() - h);
        break;
    default:
        break;
    }
    surface.Print(m_strText);
}

void FontPreview::AdoptFont(const Variant& font) {
    const ObjectRef object = font.ToObject();
    if (object.IsNothing()) {
        throw AutomationError(err::ObjectNotSet);
    }
    auto typed = object.As<FontObject>();
    if (!typed) {
        throw AutomationError(err::TypeMismatch, "Not a font object");
    }
    m_pSurface->SetFont(std::move(typed));
}

Variant FontPreview::AmbientFont() const {
    return m_pContainer ? Variant(m_pContainer->AmbientFont()) : Variant::Nothing();
}

void FontPreview::InitProperties() noexcept {
    ErrorTrap trap;
    trap([&] { m_strText = "Preview"; });
    trap([&] { AdoptFont(AmbientFont()); });
    m_lVerticalAlign = 1;
    m_lHorizonAlign = 1;
}

void FontPreview::ReadProperties(const PropertyBag& bag) noexcept {
    ErrorTrap trap;
    DrawingSurface& s = *m_pSurface;
    trap(
        [&] { s.SetBackColor(bag.ReadProperty("BackColor", Variant(DefaultBackColor)).ToLong()); });
    trap(
        [&] { s.SetForeColor(bag.ReadProperty("ForeColor", Variant(DefaultForeColor)).ToLong()); });
    trap([&] {
        s.SetBorderStyle(bag.ReadProperty("BorderStyle", Variant(int16_t{0})).ToInteger());
    });
    trap([&] { Font()->SetBold(bag.ReadProperty("FontBold", Variant(false)).ToBool()); });
    trap([&] { Font()->SetItalic(bag.ReadProperty("FontItalic", Variant(false)).ToBool()); });
    trap([&] {
        Font()->SetName(bag.ReadProperty("FontName", Variant(DefaultFontName)).ToString());
    });
    trap([&] {
        Font()->SetSize(bag.ReadProperty("FontSize", Variant(DefaultFontSize)).ToSingle());
    });
    trap([&] {
        Font()->SetStrikethrough(bag.ReadProperty("FontStrikethru", Variant(false)).ToBool());
    });
    trap(
        [&] { s.SetFontTransparent(bag.ReadProperty("FontTransparent", Variant(true)).ToBool()); });
    trap([&] { Font()->SetUnderline(bag.ReadProperty("FontUnderline", Variant(false)).ToBool()); });
    trap([&] { m_strText = bag.ReadProperty("Text", Variant("Preview")).ToString(); });
    // The font object comes last and decides the font: a saved one, or else
    // the container's ambient font.
    trap([&] { AdoptFont(bag.ReadProperty("Font", AmbientFont())); });
    trap([&] { m_lVerticalAlign = bag.ReadProperty("VerticalAlign", Variant(1)).ToLong(); });
    trap([&] { m_lHorizonAlign = bag.ReadProperty("HorizonAlign", Variant(1)).ToLong(); });
}

void FontPreview::WriteProperties(PropertyBag& bag) const noexcept {
    ErrorTrap trap;
    const FontAttributes& font = Font()->Attributes();
    trap([&] { bag.WriteProperty("BackColor", Variant(BackColor()), Variant(DefaultBackColor)); });
    trap([&] { bag.WriteProperty("ForeColor", Variant(ForeColor()), Variant(DefaultForeColor)); });
    trap([&] { bag.WriteProperty("BorderStyle", Variant(BorderStyle()), Variant(int16_t{0})); });
    trap([&] { bag.WriteProperty("FontBold", Variant(font.bold), Variant(false)); });
    trap([&] { bag.WriteProperty("FontItalic", Variant(font.italic), Variant(false)); });
    trap([&] { bag.WriteProperty("FontName", Variant(font.name), Variant("")); });
    trap([&] { bag.WriteProperty("FontSize", Variant(font.size), Variant(0.0f)); });
    trap([&] { bag.WriteProperty("FontStrikethru", Variant(font.strikethrough), Variant(false)); });
    trap([&] { bag.WriteProperty("FontTransparent", Variant(FontTransparent()), Variant(true)); });
    trap([&] { bag.WriteProperty("FontUnderline", Variant(font.underline), Variant(false)); });
    trap([&] { bag.WriteProperty("Text", Variant(m_strText), Variant("Preview")); });
    trap([&] { bag.WriteProperty("Font", Variant(Font()), AmbientFont()); });
    trap([&] { bag.WriteProperty("VerticalAlign", Variant(m_lVerticalAlign), Variant(1)); });
    trap([&] { bag.WriteProperty("HorizonAlign", Variant(m_lHorizonAlign), Variant(1)); });
}

const MemberTable<FontPreview>& FontPreview::Members() {
    static const MemberTable<FontPreview> table = [] {
        using P = FontPreview;
        MemberTable<P> t;
        t.Inherit(Control::Members());
        t.Property(
            "BackColor", [](P& p, auto) { return Variant(p.BackColor()); },
            [](P& p, auto, const Variant& v) { p.SetBackColor(v.ToLong()); }, DispBackColor);
        t.Property(
            "ForeColor", [](P& p, auto) { return Variant(p.ForeColor()); },
            [](P& p, auto, const Variant& v) { p.SetForeColor(v.ToLong()); }, DispForeColor);
        t.Property(
            "BorderStyle", [](P& p, auto) { return Variant(p.BorderStyle()); },
            [](P& p, auto, const Variant& v) { p.SetBorderStyle(v.ToInteger()); }, DispBorderStyle);
        t.Property(
            "FontBold", [](P& p, auto) { return Variant(p.FontBold()); },
            [](P& p, auto, const Variant& v) { p.SetFontBold(v.ToBool()); }, DispFontBold);
        t.Property(
            "FontItalic", [](P& p, auto) { return Variant(p.FontItalic()); },
            [](P& p, auto, const Variant& v) { p.SetFontItalic(v.ToBool()); }, DispFontItalic);
        t.Property(
            "FontName", [](P& p, auto) { return Variant(p.FontName()); },
            [](P& p, auto, const Variant& v) { p.SetFontName(v.ToString()); }, DispFontName);
        t.Property(
            "FontSize", [](P& p, auto) { return Variant(p.FontSize()); },
            [](P& p, auto, const Variant& v) { p.SetFontSize(v.ToSingle()); }, DispFontSize);
        t.Property(
            "FontStrikethru", [](P& p, auto) { return Variant(p.FontStrikethru()); },
            [](P& p, auto, const Variant& v) { p.SetFontStrikethru(v.ToBool()); },
            DispFontStrikethru);
        t.Property(
            "FontTransparent", [](P& p, auto) { return Variant(p.FontTransparent()); },
            [](P& p, auto, const Variant& v) { p.SetFontTransparent(v.ToBool()); },
            DispFontTransparent);
        t.Property(
            "FontUnderline", [](P& p, auto) { return Variant(p.FontUnderline()); },
            [](P& p, auto, const Variant& v) { p.SetFontUnderline(v.ToBool()); },
            DispFontUnderline);
        t.Property(
            "Text", [](P& p, auto) { return Variant(p.Text()); },
            [](P& p, auto, const Variant& v) { p.SetText(v.ToString()); }, DispText);
        t.Property(
            "Font", [](P& p, auto) { return Variant(p.Font()); },
            [](P& p, auto, const Variant& v) { p.SetFont(v.ToObject()); }, DispFont);
        t.Property(
            "VerticalAlign", [](P& p, auto) { return Variant(p.VerticalAlign()); },
            [](P& p, auto, const Variant& v) { p.SetVerticalAlign(v.ToLong()); },
            DispVerticalAlign);
        t.Property(
            "HorizonAlign", [](P& p, auto) { return Variant(p.HorizonAlign()); },
            [](P& p, auto, const Variant& v) { p.SetHorizonAlign(v.ToLong()); }, DispHorizonAlign);
        t.Method(
            "Preview",
            [](P& p, auto) {
                p.Preview();
                return Variant();
            },
            DispPreview);
        return t;
    }();
    return table;
}

} // namespace vantor
