#include "vantor/ui/Control.hpp"

#include "vantor/ui/ActionRefused.hpp"
#include "vantor/ui/Form.hpp"

namespace vantor {

Control::Control(std::string name, Rect rect) : m_strName(std::move(name)), m_rect(rect) {}

Control::~Control() = default;

void Control::Move(const Rect& rect) {
    m_rect = rect;
    Changed();
}

void Control::SetEnabled(bool enabled) {
    if (m_bEnabled != enabled) {
        m_bEnabled = enabled;
        Changed();
    }
}

void Control::SetVisible(bool visible) {
    if (m_bVisible != visible) {
        m_bVisible = visible;
        Changed();
    }
}

void Control::SetTabStop(bool tabStop) {
    if (m_bTabStop != tabStop) {
        m_bTabStop = tabStop;
        Changed();
    }
}

void Control::SetCaption(std::string caption) {
    if (m_strCaption != caption) {
        m_strCaption = std::move(caption);
        Changed();
    }
}

void Control::On(int event, EventHandler handler) { m_handlers.emplace_back(event, std::move(handler)); }

void Control::Raise(int event, std::vector<Variant> params) {
    EventArgs args{std::move(params), false};
    // Handlers may connect others while running; index, don't iterate.
    for (size_t i = 0; i < m_handlers.size(); ++i) {
        if (m_handlers[i].first == event) {
            const EventHandler handler = m_handlers[i].second;
            handler(args);
        }
    }
}

bool Control::RaiseValidate() {
    EventArgs args;
    for (size_t i = 0; i < m_handlers.size(); ++i) {
        if (m_handlers[i].first == ev::Validate) {
            const EventHandler handler = m_handlers[i].second;
            handler(args);
        }
    }
    return !args.cancel;
}

void Control::Watch(std::function<void()> observer) { m_observers.push_back(std::move(observer)); }

void Control::Changed() {
    for (size_t i = 0; i < m_observers.size(); ++i) {
        m_observers[i]();
    }
}

void Control::CheckUsable() const {
    if (!m_bEnabled || !m_bVisible) {
        throw AutomationError(err::InvalidCall, m_strName + (m_bEnabled ? " is not visible" : " is disabled"));
    }
}

void Control::Focus() {
    CheckUsable();
    if (m_pForm != nullptr) {
        m_pForm->SetFocus(this);
    } else {
        Raise(ev::GotFocus);
    }
}

bool Control::Leave() {
    if (m_pForm != nullptr) {
        return HasFocus() ? m_pForm->SetFocus(nullptr) : true;
    }
    if (!RaiseValidate()) {
        return false;
    }
    Raise(ev::LostFocus);
    return true;
}

void Control::Refuse(const char* action) const {
    throw ActionRefused(Kind() + " " + m_strName + " cannot " + action);
}

void Control::UserClick() { Refuse("click"); }

void Control::UserSelect(int32_t) { Refuse("select"); }
void Control::UserCheck(int32_t) { Refuse("check"); }

void Control::UserType(const std::string&) { Refuse("type"); }

void Control::UserPickColor(int32_t) { Refuse("pick a colour"); }

void Control::UserClickBorder(int32_t) { Refuse("click a border"); }

void Control::UserSetValue(const Variant&) { Refuse("take a value"); }

void Control::Describe(ControlDescription&) const {}

bool Control::HasFocus() const { return m_pForm != nullptr && m_pForm->Focused() == this; }

const MemberTable<Control>& Control::Members() {
    static const MemberTable<Control> table = [] {
        MemberTable<Control> t;
        t.Property("Name", [](Control& c, auto) { return Variant(c.Name()); });
        t.Property(
            "Caption", [](Control& c, auto) { return Variant(c.Caption()); },
            [](Control& c, auto, const Variant& v) { c.SetCaption(v.ToString()); });
        t.Property(
            "Enabled", [](Control& c, auto) { return Variant(c.Enabled()); },
            [](Control& c, auto, const Variant& v) { c.SetEnabled(v.ToBool()); });
        t.Property(
            "Visible", [](Control& c, auto) { return Variant(c.Visible()); },
            [](Control& c, auto, const Variant& v) { c.SetVisible(v.ToBool()); });
        t.Property(
            "TabStop", [](Control& c, auto) { return Variant(c.TabStop()); },
            [](Control& c, auto, const Variant& v) { c.SetTabStop(v.ToBool()); });
        t.Property(
            "Left", [](Control& c, auto) { return Variant(c.Position().left); },
            [](Control& c, auto, const Variant& v) {
                Rect r = c.Position();
                r.left = v.ToLong();
                c.Move(r);
            });
        t.Property(
            "Top", [](Control& c, auto) { return Variant(c.Position().top); },
            [](Control& c, auto, const Variant& v) {
                Rect r = c.Position();
                r.top = v.ToLong();
                c.Move(r);
            });
        t.Property(
            "Width", [](Control& c, auto) { return Variant(c.Position().width); },
            [](Control& c, auto, const Variant& v) {
                Rect r = c.Position();
                r.width = v.ToLong();
                c.Move(r);
            });
        t.Property(
            "Height", [](Control& c, auto) { return Variant(c.Position().height); },
            [](Control& c, auto, const Variant& v) {
                Rect r = c.Position();
                r.height = v.ToLong();
                c.Move(r);
            });
        return t;
    }();
    return table;
}

} // namespace vantor
