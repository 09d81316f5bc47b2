#include "qt/StudioWorkbook.hpp"

#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "vantor/automation/Enumerations.hpp"

#if __has_include("model/SampleWorkbook.hpp")
#include "model/SampleWorkbook.hpp"
#define VANTOR_HAS_SAMPLE_WORKBOOK 1
#endif

namespace vantor::qt {

namespace {

[[maybe_unused]] void FillWorkbook(const std::shared_ptr<model::Application>& app) {
    app->AddWorkbook("Book1");
    const auto put = [&](const std::string& address, const Variant& value) {
        ObjectRef(app->RangeOf(address)).Put("Value", value);
    };
    const auto format = [&](const std::string& address, const std::function<void(ObjectRef&)>& f) {
        ObjectRef range(app->RangeOf(address));
        f(range);
        range.Call("Apply");
    };
    put("A1", Variant("Item"));
    put("B1", Variant("Price"));
    put("C1", Variant("Share"));
    put("D1", Variant("Paid"));
    put("A2", Variant("Paper"));
    put("A3", Variant("Ink"));
    put("A4", Variant("Pens"));
    put("B2", Variant(1250.5));
    put("B3", Variant(-84.25));
    put("B4", Variant(12.0));
    put("C2", Variant(0.925));
    put("C3", Variant(-0.05));
    put("C4", Variant(0.125));
    put("D2", Variant(true));
    put("D3", Variant(false));
    put("A6", Variant("A longer text that wraps inside its cell"));
    format("A1:D1", [](ObjectRef& r) {
        r.Get("Font").ToObject().Put("Bold", Variant(true));
        r.Put("HorizontalAlignment", Variant(enums::HAlign::Center));
        r.Get("Interior").ToObject().Put("Color", Variant(0xF2E6DA));
        r.Get("Interior").ToObject().Put("Pattern", Variant(enums::Pattern::Solid));
        const ObjectRef bottom = r.Get("Borders").ToObject().Call("Item", Variant(enums::BorderIndex::EdgeBottom)).ToObject();
        bottom.Put("LineStyle", Variant(enums::LineStyle::Continuous));
        bottom.Put("Weight", Variant(enums::BorderWeight::Medium));
    });
    format("B2:B4",
           [](ObjectRef& r) { r.Put("NumberFormat", Variant("#,##0.00;[Red]-#,##0.00")); });
    format("C2:C4", [](ObjectRef& r) { r.Put("NumberFormat", Variant("0.0%")); });
    format("A6", [](ObjectRef& r) {
        r.Put("WrapText", Variant(true));
        r.Get("Font").ToObject().Put("Italic", Variant(true));
        r.Get("Font").ToObject().Put("Color", Variant(0x993300));
    });
    ObjectRef(app->RangeOf("A2")).Call("AddComment", Variant("Bought by the box"));
}

} // namespace

void OpenStartWorkbook(const std::shared_ptr<model::Application>& app) {
#ifdef VANTOR_HAS_SAMPLE_WORKBOOK
    model::sample::AddSampleWorkbook(app);
#else
    FillWorkbook(app);
#endif
}

} // namespace vantor::qt
