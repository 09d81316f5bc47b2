#pragma once
#include "vantor/Export.h"
#include "vantor/ui/Control.hpp"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// A surface that owns controls: a page, a dialog-style page or a small form.
// Its controls, captions and positions are its design, declared in one place
// by the derived class; the Qt front only renders that design.
class VANTOR_API Form {
public:
    explicit Form(std::string caption = "", Rect size = {});
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Adds a control of the design. Names are unique on a form.
    template <typename T>
    std::shared_ptr<T> Add(std::string name, Rect rect, std::string caption = "", std::string container = "") {
        auto control = std::make_shared<T>(std::move(name), rect);
        control->SetCaption(std::move(caption));
        control->SetContainer(std::move(container));
        Adopt(control);
        return control;
    }

    // The control of that name (matched without regard to case); raises 9
    // when the form has none.
    vantor::Control& Control(std::string_view name) const;
    template <typename T> T& ControlAs(std::string_view name) const {
        auto* typed = dynamic_cast<T*>(&Control(name));
        if (typed == nullptr) {
            throw AutomationError(err::TypeMismatch, std::string(name) + " is of another kind");
        }
        return *typed;
    }
    // Every control, in the order of the design (which is the tab order).
    const std::vector<std::shared_ptr<vantor::Control>>& Controls() const { return m_controls; }

    // Moves the focus: the control that has it is validated (a refusal keeps
    // the focus where it is and returns false) and loses it; the new one gets it.
    bool SetFocus(vantor::Control* control);
    vantor::Control* Focused() const { return m_pFocused; }

    // The form's name ("CellStyleName"); empty for a page.
    const std::string& Name() const { return m_strName; }
    void SetName(std::string name) { m_strName = std::move(name); }
    const std::string& Caption() const { return m_strCaption; }
    void SetCaption(std::string caption) { m_strCaption = std::move(caption); }
    const Rect& Size() const { return m_size; }
    void SetSize(Rect size) { m_size = size; }

    // A modal form's life: Load before it is shown, Unload when it closes.
    // Loading again brings an unloaded form back, so it can be shown again.
    void Load() {
        m_bUnloaded = false;
        OnLoad();
    }
    void Unload() { m_bUnloaded = true; }
    bool Unloaded() const { return m_bUnloaded; }

protected:
    // What the form does each time it is loaded.
    virtual void OnLoad() {}

private:
    void Adopt(std::shared_ptr<vantor::Control> control);

    std::string m_strName;
    std::string m_strCaption;
    Rect m_size;
    std::vector<std::shared_ptr<vantor::Control>> m_controls;
    vantor::Control* m_pFocused = nullptr;
    bool m_bUnloaded = false;
};

} // namespace vantor
