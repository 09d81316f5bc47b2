#pragma once
#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "tests/support/ErrorOf.hpp"

#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace vantor {

// Variants print as they describe themselves in failed expectations.
inline void PrintTo(const Variant& value, std::ostream* out) {
    *out << value.Describe();
}

} // namespace vantor

namespace vantor::model::test {

using vantor::test::DescriptionOf;
using vantor::test::ErrorOf;

// A new application with a fixed font list and one new workbook.
struct ModelFixture {
    std::shared_ptr<Application> app =
        Application::Create({"DejaVu Sans", "Liberation Sans", "Noto Serif"});
    std::shared_ptr<Workbook> book = app->AddWorkbook("Book1");
    std::shared_ptr<Worksheet> sheet = book->Sheet(0);

    ObjectRef At(const std::string& address) const { return ObjectRef(sheet->RangeOf(address)); }
    // Writes through a fresh range and applies, as one cell page does.
    void Apply(const std::string& address, const std::string& property,
               const Variant& value) const {
        const ObjectRef range = At(address);
        range.Put(property, value);
        range.Call("Apply");
    }
    void ApplyFont(const std::string& address, const std::string& property,
                   const Variant& value) const {
        const ObjectRef range = At(address);
        range.Get("Font").ToObject().Put(property, value);
        range.Call("Apply");
    }
    ObjectRef Border(const ObjectRef& range, int32_t index) const {
        return range.Get("Borders").ToObject().Call("Item", index).ToObject();
    }
    Variant LineStyle(const std::string& address, int32_t index) const {
        return Border(At(address), index).Get("LineStyle");
    }
};

} // namespace vantor::model::test
