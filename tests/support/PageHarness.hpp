#pragma once
#include "tests/support/FakeObject.hpp"
#include "vantor/framework/TargetList.hpp"
#include "vantor/framework/VariantConverter.hpp"
#include "vantor/ui/HeadlessEnvironment.hpp"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vantor::test {

// A target list over a vector of values.
class FakeTargetList : public TargetList {
public:
    explicit FakeTargetList(std::vector<Variant> items) : m_items(std::move(items)) {}
    Variant Item(int32_t index) override;
    int32_t Count() override { return static_cast<int32_t>(m_items.size()); }
    int itemReads = 0;

private:
    std::vector<Variant> m_items;
};

// The host's converter as pages expect it: ChangeType to an object
// reference, Clear empties.
class FakeConverter : public VariantConverter {
public:
    void ChangeType(Variant& dest, Variant& source, int32_t type) override;
    void Clear(Variant& value) override { value = Variant(); }
};

// What a page test needs around it: a headless environment, the converter
// factory, and the diagnostic log in a temporary directory of its own.
class PageHarness {
public:
    PageHarness();
    ~PageHarness();
    PageHarness(const PageHarness&) = delete;
    PageHarness& operator=(const PageHarness&) = delete;

    // A one-element target list holding the object.
    static std::shared_ptr<FakeTargetList> Targets(const ObjectRef& target);

    // The lines of the log file so far (without CR LF); none when there is no file.
    std::vector<std::string> LogLines() const;
    const std::filesystem::path& LogDir() const { return m_logDir; }

    HeadlessEnvironment env;

private:
    EnvironmentScope m_scope{env};
    VariantConverter::Factory m_previousFactory;
    std::filesystem::path m_logDir;
};

} // namespace vantor::test
