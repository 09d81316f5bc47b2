#pragma once
#include "tests/support/FakeObject.hpp"
#include "tests/support/PageHarness.hpp"

#include <memory>
#include <string>
#include <vector>

namespace vantor::test {

// A fake whose writes also go, prefixed with its name, to a log shared with
// other fakes, so that tests can pin the order of writes across a target and
// its sub-objects ("Interior: Put Pattern = Long(1)").
class LoggedFake : public FakeObject {
public:
    LoggedFake(std::string name, std::shared_ptr<std::vector<std::string>> log)
        : m_strName(std::move(name)), m_pLog(std::move(log)) {}

    Variant Invoke(std::string_view member, InvokeKind kind,
                   std::span<const Variant> args) override {
        const size_t before = Writes().size();
        try {
            Variant result = FakeObject::Invoke(member, kind, args);
            Note(before);
            return result;
        } catch (...) {
            Note(before);
            throw;
        }
    }

private:
    void Note(size_t before) {
        const std::vector<std::string> writes = Writes();
        if (writes.size() > before) {
            m_pLog->push_back(m_strName + ": " + writes.back());
        }
    }

    std::string m_strName;
    std::shared_ptr<std::vector<std::string>> m_pLog;
};

// A page over a recorded target ("Cells"), with a site and the harness;
// page fixtures add the target's sub-objects and values.
template <typename Page> struct RecordedPage {
    PageHarness h;
    std::shared_ptr<std::vector<std::string>> writes = std::make_shared<std::vector<std::string>>();
    std::shared_ptr<LoggedFake> target = std::make_shared<LoggedFake>("Cells", writes);
    std::shared_ptr<FakeSite> site = std::make_shared<FakeSite>();
    Page page;

    // Loads the page as the host does and forgets what loading wrote.
    void Load() {
        page.SetSite(site);
        page.SetTargets(PageHarness::Targets(target));
        writes->clear();
    }
};

} // namespace vantor::test
