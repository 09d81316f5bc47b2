#include "tests/support/PageHarness.hpp"

#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/framework/LibraryInfo.hpp"

#include <cstdlib>
#include <fstream>

namespace vantor::test {

Variant FakeTargetList::Item(int32_t index) {
    ++itemReads;
    if (index < 0 || index >= Count()) {
        throw AutomationError(err::SubscriptOutOfRange);
    }
    return m_items[static_cast<size_t>(index)];
}

void FakeConverter::ChangeType(Variant& dest, Variant& source, int32_t type) {
    dest = source.ChangeType(static_cast<VarType>(type));
}

PageHarness::PageHarness() {
    m_previousFactory = VariantConverter::InstallFactory([] { return std::make_shared<FakeConverter>(); });
    std::string dir = (std::filesystem::temp_directory_path() / "vantor-log-XXXXXX").string();
    m_logDir = ::mkdtemp(dir.data());
    ::setenv(LogVariable, m_logDir.c_str(), 1);
}

PageHarness::~PageHarness() {
    ::unsetenv(LogVariable);
    std::error_code ignored;
    std::filesystem::remove_all(m_logDir, ignored);
    VariantConverter::InstallFactory(m_previousFactory);
}

std::shared_ptr<FakeTargetList> PageHarness::Targets(const ObjectRef& target) {
    return std::make_shared<FakeTargetList>(std::vector<Variant>{Variant(target)});
}

std::vector<std::string> PageHarness::LogLines() const {
    std::vector<std::string> lines;
    std::ifstream in(m_logDir / (std::string(library::ProductName) + ".log"), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace vantor::test
