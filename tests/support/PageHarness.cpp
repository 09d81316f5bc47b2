#include "tests/support/PageHarness.hpp"

#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/framework/LibraryInfo.hpp"

#include <cstdlib>
#include <fstream>

namespace vantor::test {

PageHarness::PageHarness() {
    std::string dir = (std::filesystem::temp_directory_path() / "vantor-log-XXXXXX").string();
    m_logDir = ::mkdtemp(dir.data());
    ::setenv(LogVariable, m_logDir.c_str(), 1);
}

PageHarness::~PageHarness() {
    ::unsetenv(LogVariable);
    std::error_code ignored;
    std::filesystem::remove_all(m_logDir, ignored);
}

std::shared_ptr<DefaultTargetList> PageHarness::Targets(const ObjectRef& target) {
    return std::make_shared<DefaultTargetList>(std::vector<Variant>{Variant(target)});
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
