#pragma once
#include "tests/support/FakeObject.hpp"

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

} // namespace vantor::test
