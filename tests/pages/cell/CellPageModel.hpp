#pragma once
#include "model/Application.hpp"
#include "model/Range.hpp"
#include "tests/support/PageHarness.hpp"

#include <memory>
#include <string>

namespace vantor::test {

// The embedded model for end-to-end page tests: the harness, one workbook,
// and ranges of its first sheet by address. Cell formats are set up through
// the same late-bound members the pages use.
class CellPageModel {
public:
    CellPageModel() : app(model::Application::Create({"Arial"})) { app->AddWorkbook("Book1"); }

    ObjectRef Range(const std::string& address) const { return ObjectRef(app->RangeOf(address)); }

    // Writes one property of a range and applies it.
    template <typename... Args> void Format(const std::string& address, const Args&... args) const {
        const ObjectRef range = Range(address);
        range.Put(args...);
        range.Call("Apply");
    }

    // Loads a page with a range as the host does.
    template <typename Page> void Open(Page& page, const std::string& address) const {
        page.SetSite(std::make_shared<FakeSite>());
        page.SetTargets(PageHarness::Targets(Range(address)));
    }

    PageHarness h;
    std::shared_ptr<model::Application> app;
};

} // namespace vantor::test
