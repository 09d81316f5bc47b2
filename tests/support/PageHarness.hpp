#pragma once
#include "tests/support/FakeObject.hpp"
#include "vantor/framework/DefaultTargetList.hpp"
#include "vantor/ui/HeadlessEnvironment.hpp"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vantor::test {

// What a page test needs around it: a headless environment and the
// diagnostic log in a temporary directory of its own.
class PageHarness {
public:
    PageHarness();
    ~PageHarness();
    PageHarness(const PageHarness&) = delete;
    PageHarness& operator=(const PageHarness&) = delete;

    // A one-element target list holding the object.
    static std::shared_ptr<DefaultTargetList> Targets(const ObjectRef& target);

    // The lines of the log file so far (without CR LF); none when there is no file.
    std::vector<std::string> LogLines() const;
    const std::filesystem::path& LogDir() const { return m_logDir; }

    HeadlessEnvironment env;

private:
    EnvironmentScope m_scope{env};
    std::filesystem::path m_logDir;
};

} // namespace vantor::test
