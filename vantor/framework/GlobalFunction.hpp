#pragma once
#include "vantor/Export.h"
#include "vantor/automation/ErrorTrap.hpp"
#include "vantor/automation/Variant.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

class CheckBox;
class ComboBox;
class ListBox;
class ColorSelBox;
class NumberEdit;
class Control;

// The diagnostic log, the error reporter and the binding functions that move
// one value between a property of the object model and one control.
//
// Mixed values: the model answers Null for a property that differs across its
// cells; the controls show it undecided (grey, empty, nothing selected) and a
// value left undecided is written back as Null, which the model keeps.
//
// The binding functions run each statement through a trap of their own and
// log their own failure under their own name; the caller's pending error is
// never touched.

// The variable naming the log directory.
constexpr const char* LogVariable = "TaboDialogControlLog";

// Appends the message and CR LF to the log file, when the variable names a
// directory; every failure is swallowed.
VANTOR_API void WriteLog(const std::string& message) noexcept;

// Logs the pending error of the trap, if its number is positive, as
// "<tag> - Error: <number>,<description>" ("Error: ..." with an empty tag).
// The trap keeps its error.
VANTOR_API void ReportError(const std::string& tag, const ErrorTrap& trap) noexcept;
// ReportError, then clears the error.
VANTOR_API void CheckError(const std::string& tag, ErrorTrap& trap) noexcept;
// Clears a pending error 5 (invalid procedure call or argument), which the
// model raises for the Null that means keep; other errors stay pending.
VANTOR_API void DropInvalidCallError(ErrorTrap& trap) noexcept;

// True only when a and b have the same type and are equal (texts with case);
// a comparison with Null is never true.
VANTOR_API bool SafeCompare(const Variant& a, const Variant& b) noexcept;
// The value to write: the new value, or Null when nothing changed.
VANTOR_API Variant SafeSetting(const Variant& newValue, const Variant& current) noexcept;
// The Boolean to write for a check box (0, 1, 2), or Null.
VANTOR_API Variant SafeSettingCheckBox(int32_t check, const Variant& current) noexcept;

VANTOR_API void LoadSettingCheckbox(CheckBox& box, const Variant& value) noexcept;
// Sets the control's "Text" by name, so any control with one serves.
VANTOR_API void LoadSettingText(Control& control, const Variant& value) noexcept;
VANTOR_API void LoadSettingCombo(ComboBox& box, const Variant& value, bool byItemData) noexcept;
VANTOR_API void LoadSettingList(ListBox& box, const Variant& value, bool byItemData) noexcept;
VANTOR_API void LoadSettingColor(ColorSelBox& box, const Variant& color, const Variant& colorIndex) noexcept;
// A value outside the box's range shows as undecided (Null).
VANTOR_API void LoadSettingNumber(NumberEdit& box, const Variant& value) noexcept;

// The apply twins: each reads the target's property and writes back what the
// safe setting of the control gives (Null, meaning keep, when the user left
// it alone). They have no trap of their own: a failing read or write reaches
// the caller's trap and is logged under the caller's tag.
VANTOR_API void ApplySettingCheckbox(const ObjectRef& target, std::string_view property, const CheckBox& box);
// Sets the control's "Text" by name, like LoadSettingText.
VANTOR_API void ApplySettingText(const ObjectRef& target, std::string_view property, Control& control);
// The selected item's data (or text); with nothing selected nothing is read or written.
VANTOR_API void ApplySettingCombo(const ObjectRef& target, std::string_view property, const ComboBox& box,
                       bool byItemData);
VANTOR_API void ApplySettingList(const ObjectRef& target, std::string_view property, const ListBox& box,
                      bool byItemData);
VANTOR_API void ApplySettingNumber(const ObjectRef& target, std::string_view property, const NumberEdit& box);
// A colour written to a colour and its colour index, whether or not it changed:
// automatic as the automatic index, a colour as the colour, no uniform colour
// not at all.
VANTOR_API void ApplySettingColor(const ObjectRef& target, std::string_view color, std::string_view colorIndex,
                       const ColorSelBox& box);

} // namespace vantor
