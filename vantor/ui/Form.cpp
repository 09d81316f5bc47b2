#include "vantor/ui/Form.hpp"

#include "vantor/automation/TextFunctions.hpp"

namespace vantor {

Form::Form(std::string caption, Rect size) : m_strCaption(std::move(caption)), m_size(size) {}

Form::~Form() {
    for (const auto& control : m_controls) {
        control->AttachTo(nullptr);
    }
}

void Form::Adopt(std::shared_ptr<vantor::Control> control) {
    for (const auto& existing : m_controls) {
        if (EqualsIgnoreCase(existing->Name(), control->Name())) {
            throw AutomationError(err::ApplicationDefined, "A control named " + control->Name() + " already exists");
        }
    }
    control->AttachTo(this);
    m_controls.push_back(std::move(control));
}

vantor::Control& Form::Control(std::string_view name) const {
    for (const auto& control : m_controls) {
        if (EqualsIgnoreCase(control->Name(), name)) {
            return *control;
        }
    }
    throw AutomationError(err::SubscriptOutOfRange, "No control named " + std::string(name));
}

bool Form::SetFocus(vantor::Control* control) {
    if (control == m_pFocused) {
        return true;
    }
    vantor::Control* previous = m_pFocused;
    if (previous != nullptr) {
        if (!previous->RaiseValidate()) {
            return false;
        }
        m_pFocused = nullptr;
        previous->Raise(ev::LostFocus);
    }
    m_pFocused = control;
    if (control != nullptr) {
        control->Raise(ev::GotFocus);
    }
    return true;
}

} // namespace vantor
