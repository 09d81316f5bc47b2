#include "vantor/framework/GlobalFunction.hpp"

#include "vantor/automation/Enumerations.hpp"
#include "vantor/automation/TextFunctions.hpp"
#include "vantor/framework/ErrorRecording.hpp"
#include "vantor/framework/LibraryInfo.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/ColorSelBox.hpp"
#include "vantor/ui/ComboBox.hpp"
#include "vantor/ui/ListBox.hpp"
#include "vantor/ui/NumberEdit.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace vantor {

namespace {

constexpr int32_t AutomaticColorIndex = enums::ColorIndex::Automatic;

// The shared search of LoadSettingCombo and LoadSettingList.
template <typename Box> void LoadSettingItems(Box& box, const Variant& value, bool byItemData, const char* name) {
    ErrorTrap trap;
    trap([&] {
        if (value.IsNull()) {
            box.SetListIndex(-1);
            return;
        }
        for (int32_t i = 0; i < box.ListCount(); ++i) {
            const Variant item = byItemData ? Variant(box.ItemData(i)) : Variant(box.List(i));
            if (SafeCompare(value, item)) {
                box.SetListIndex(i);
                return;
            }
        }
    });
    ReportError(std::string(name) + (byItemData ? "True" : "False"), trap);
}

// The shared write of ApplySettingCombo and ApplySettingList.
template <typename Box>
void ApplySettingItems(const ObjectRef& target, std::string_view property, const Box& box,
                       bool byItemData) {
    const int32_t index = box.ListIndex();
    if (index < 0) {
        return;
    }
    const Variant item = byItemData ? Variant(box.ItemData(index)) : Variant(box.List(index));
    target.Put(property, SafeSetting(item, target.Get(property)));
}

} // namespace

void WriteLog(const std::string& message) noexcept {
    try {
        const char* dir = std::getenv(LogVariable);
        if (dir == nullptr || *dir == '\0') {
            return;
        }
        const std::filesystem::path file = std::filesystem::path(dir) / (std::string(library::ProductName) + ".log");
        // Not through a planted link, never blocking on a pipe, private when new.
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0) {
            return;
        }
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
            // One append per line, so that two processes never interleave inside one.
            const std::string line = message + "\r\n";
            [[maybe_unused]] const ssize_t written = ::write(fd, line.data(), line.size());
        }
        ::close(fd);
    } catch (...) {
        // A failed log write is lost.
    }
}

void ReportError(const std::string& tag, const ErrorTrap& trap) noexcept {
    try {
        if (trap.Number() <= 0) {
            return;
        }
        const std::string prefix = tag.empty() ? std::string() : tag + " - ";
        WriteLog(prefix + "Error: " + std::to_string(trap.Number()) + "," + trap.Description());
        // Kept for the page whose operation is running, also when the log is off.
        ErrorRecording::Record(tag, trap.Number(), trap.Description());
    } catch (...) {
    }
}

void CheckError(const std::string& tag, ErrorTrap& trap) noexcept {
    ReportError(tag, trap);
    trap.Clear();
}

void DropInvalidCallError(ErrorTrap& trap) noexcept {
    if (trap.Number() == err::InvalidCall) {
        trap.Clear();
    }
}

bool SafeCompare(const Variant& a, const Variant& b) noexcept {
    return a.Type() == b.Type() && !a.IsNull() && a == b;
}

Variant SafeSetting(const Variant& newValue, const Variant& current) noexcept {
    ErrorTrap trap;
    Variant result = Variant::Null();
    if (newValue.IsNull()) {
        return result;
    }
    trap([&] {
        if (!newValue.IsString() && !current.IsString()) {
            // A mixed current value (Null) and a change of numeric type both let it through.
            if (!SafeCompare(newValue, current)) {
                result = newValue;
            }
        } else if (current.IsNull()) {
            if (!Trim(newValue.ToString()).empty()) {
                result = newValue;
            }
        } else if (!EqualsIgnoreCase(newValue.ToString(), current.ToString())) {
            result = newValue;
        }
    });
    ReportError("SafeSetting", trap);
    return result;
}

Variant SafeSettingCheckBox(int32_t check, const Variant& current) noexcept {
    ErrorTrap trap;
    Variant result = Variant::Null();
    if (check == 2) {
        return result;
    }
    trap([&] {
        if (current.IsNull()) {
            result = Variant(check == 1);
            return;
        }
        const bool on = current.ToBool();
        if ((check == 1 && !on) || (check == 0 && on)) {
            result = Variant(check == 1);
        }
    });
    ReportError("SafeSettingCheckBox", trap);
    return result;
}

void LoadSettingCheckbox(CheckBox& box, const Variant& value) noexcept {
    ErrorTrap trap;
    trap([&] { box.SetValue(!value.IsBoolean() ? 2 : (value.ToBool() ? 1 : 0)); });
    ReportError("LoadSettingCheckbox", trap);
}

void LoadSettingText(Control& control, const Variant& value) noexcept {
    ErrorTrap trap;
    trap([&] {
        const Variant text = value.IsNull() ? Variant("") : Variant(value.ToString());
        control.Invoke("Text", InvokeKind::Put, std::span(&text, 1));
    });
    ReportError("LoadSettingText", trap);
}

void LoadSettingCombo(ComboBox& box, const Variant& value, bool byItemData) noexcept {
    LoadSettingItems(box, value, byItemData, "LoadSettingCombo ");
}

void LoadSettingList(ListBox& box, const Variant& value, bool byItemData) noexcept {
    LoadSettingItems(box, value, byItemData, "LoadSettingList ");
}

void LoadSettingColor(ColorSelBox& box, const Variant& color, const Variant& colorIndex) noexcept {
    ErrorTrap trap;
    trap([&] {
        Variant selColor;
        if (colorIndex.IsNull()) {
            selColor = Variant(ColorSelBox::NoColor);
        } else if (colorIndex.IsNumber() && colorIndex.ToDouble() == AutomaticColorIndex) {
            selColor = Variant(ColorSelBox::Automatic);
        } else if (color.IsNull()) {
            selColor = Variant(ColorSelBox::NoColor);
        } else {
            selColor = Variant(color.ToLong());
        }
        box.Invoke("SelColor", InvokeKind::Put, std::span(&selColor, 1));
    });
    ReportError("LoadSettingColor", trap);
}

void LoadSettingNumber(NumberEdit& box, const Variant& value) noexcept {
    ErrorTrap trap;
    trap([&] {
        if (value.IsNull()) {
            box.SetValue(Variant::Null());
            return;
        }
        // A value the box cannot show leaves it undecided, so that apply keeps it.
        const int32_t number = value.ToLong();
        box.SetValue(number < box.Min() || number > box.Max() ? Variant::Null() : Variant(number));
    });
    ReportError("LoadSettingNumber", trap);
}

} // namespace vantor

namespace vantor {

void ApplySettingCheckbox(const ObjectRef& target, std::string_view property, const CheckBox& box) {
    target.Put(property, SafeSettingCheckBox(box.Value(), target.Get(property)));
}

void ApplySettingText(const ObjectRef& target, std::string_view property, Control& control) {
    const Variant text = control.Invoke("Text", InvokeKind::Get, {});
    target.Put(property, SafeSetting(text, target.Get(property)));
}

void ApplySettingCombo(const ObjectRef& target, std::string_view property, const ComboBox& box,
                       bool byItemData) {
    ApplySettingItems(target, property, box, byItemData);
}

void ApplySettingList(const ObjectRef& target, std::string_view property, const ListBox& box,
                      bool byItemData) {
    ApplySettingItems(target, property, box, byItemData);
}

void ApplySettingNumber(const ObjectRef& target, std::string_view property, const NumberEdit& box) {
    target.Put(property, SafeSetting(box.Value(), target.Get(property)));
}

void ApplySettingColor(const ObjectRef& target, std::string_view color, std::string_view colorIndex,
                       const ColorSelBox& box) {
    const int32_t value = box.SelColor();
    if (value == ColorSelBox::Automatic) {
        target.Put(colorIndex, Variant(AutomaticColorIndex));
    } else if (value != ColorSelBox::NoColor) {
        target.Put(color, Variant(value));
    }
}

} // namespace vantor
