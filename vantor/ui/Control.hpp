#pragma once
#include "vantor/Export.h"
#include "vantor/automation/MemberTable.hpp"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vantor {

class ControlDescription;
class Form;
class ListItems;

// Position and size in twips (1/1440 inch).
struct VANTOR_API Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// Events of the controls. The base control library numbers its own events
// (9 value changed or border clicked, 10 colour picked); the standard
// controls' events have names of their own.
namespace ev {
constexpr int ValueChanged = 9;
constexpr int ColorPicked = 10;
constexpr int Click = 100;
constexpr int Change = 101;
constexpr int GotFocus = 102;
constexpr int LostFocus = 103;
constexpr int Validate = 104;
} // namespace ev

struct VANTOR_API EventArgs {
    std::vector<Variant> params;
    bool cancel = false; // a Validate handler refuses the focus change
};
using EventHandler = std::function<void(EventArgs&)>;

// A headless control: state, geometry in twips and events, no drawing. Its
// state changes through code (raising the same events as a user's change,
// only when the value really changes) or through the user actions, which is
// how people, the Qt front, scripts and tests drive a page.
class VANTOR_API Control : public Object {
public:
    Control(std::string name, Rect rect);
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return m_strName; }
    // The kind of control, "CheckBox", "ComboBox", ...
    virtual std::string Kind() const = 0;
    std::string TypeName() const override { return Kind(); }

    const Rect& Position() const { return m_rect; }
    void Move(const Rect& rect);
    // The frame this control sits in ("" for the form itself); positions are
    // relative to it.
    const std::string& Container() const { return m_strContainer; }
    void SetContainer(std::string frame) { m_strContainer = std::move(frame); }

    bool Enabled() const { return m_bEnabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return m_bVisible; }
    void SetVisible(bool visible);
    const std::string& Caption() const { return m_strCaption; }
    void SetCaption(std::string caption);
    // Whether Tab stops at the control; a control that is no tab stop still
    // takes the focus by a click.
    bool TabStop() const { return m_bTabStop; }
    void SetTabStop(bool tabStop);

    // Event handlers, called in the order they were connected.
    void On(int event, EventHandler handler);
    void Raise(int event, std::vector<Variant> params = {});
    bool RaiseValidate();

    // Observers of any state change (the Qt peers use them to refresh).
    void Watch(std::function<void()> observer);

    // User actions common to every control.
    void Focus();
    // The focus leaves the control; false when a Validate handler refused.
    bool Leave();
    bool HasFocus() const;

    // User actions of some kinds of control. A kind without the action
    // refuses it with ActionRefused; the kinds that have it override it.
    virtual void UserClick();
    virtual void UserSelect(int32_t index);
    virtual void UserType(const std::string& text);
    virtual void UserPickColor(int32_t color);
    virtual void UserClickBorder(int32_t border);
    // Turns over the tick of an item of a list with check boxes.
    virtual void UserCheck(int32_t index);
    // Puts a value in as code does, with the same events and checks.
    virtual void UserSetValue(const Variant& value);

    // The value the user changes (a check box's value, a text box's text,
    // ...); Empty for a kind that has none.
    virtual Variant CurrentValue() const { return Variant(); }
    // Remembers the current value, so that a page can later tell whether the
    // user changed it.
    void SaveValue() { m_vtSaved = CurrentValue(); }
    const Variant& SavedValue() const { return m_vtSaved; }
    bool ChangedFromSaved() const { return !(CurrentValue() == m_vtSaved); }

    // The state of the kind, item by item, as a session shows it.
    virtual void Describe(ControlDescription& description) const;
    // The list of a list or combo box; null for a kind without items.
    virtual const ListItems* Items() const { return nullptr; }

    void AttachTo(Form* form) { m_pForm = form; }
    Form* Owner() const { return m_pForm; }

    static const MemberTable<Control>& Members();

protected:
    // Call after any change of state that a view shows.
    void Changed();
    // User actions need a control that the user can reach: enabled and visible.
    void CheckUsable() const;
    // What a kind without the action does.
    [[noreturn]] void Refuse(const char* action) const;

private:
    std::string m_strName;
    Rect m_rect;
    std::string m_strContainer;
    bool m_bEnabled = true;
    bool m_bVisible = true;
    bool m_bTabStop = true;
    std::string m_strCaption;
    Variant m_vtSaved;
    std::vector<std::pair<int, EventHandler>> m_handlers;
    std::vector<std::function<void()>> m_observers;
    Form* m_pForm = nullptr;
};

} // namespace vantor
