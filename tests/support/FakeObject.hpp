#pragma once
#include "vantor/automation/TracingObject.hpp"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vantor::test {

// A scriptable late-bound object: properties with values (Null for mixed),
// members that fail with a chosen error, methods, and a record of every Put
// and Call in order. Reading an indexed property looks up "Name(arg, ...)".
// Writing Null keeps the value, as the object model does; with NullRaises the
// write of Null also raises that error (the model may answer it with 5).
class FakeObject : public Object {
public:
    FakeObject& Set(const std::string& name, Variant value);
    FakeObject& Fail(const std::string& name, int number, const std::string& description = "");
    FakeObject& Method(const std::string& name, std::function<Variant(std::span<const Variant>)> body = {});
    FakeObject& NullRaises(int number) {
        m_nNullError = number;
        return *this;
    }

    Variant Value(const std::string& name) const;
    // "Put Name = Long(5)", "Call Apply()", with " !5" when it raised.
    std::vector<std::string> Writes() const;
    void ClearWrites() { m_writes.clear(); }
    int Calls(const std::string& name) const;

    Variant Invoke(std::string_view member, InvokeKind kind, std::span<const Variant> args) override;
    std::string TypeName() const override { return "Fake"; }

private:
    static std::string Key(std::string_view member, std::span<const Variant> args);

    std::map<std::string, Variant> m_values;
    std::map<std::string, std::pair<int, std::string>> m_failures;
    std::map<std::string, std::function<Variant(std::span<const Variant>)>> m_methods;
    std::vector<TraceEntry> m_writes;
    int m_nNullError = 0;
};

// A page site that counts "SetModified".
class FakeSite : public Object {
public:
    Variant Invoke(std::string_view member, InvokeKind kind, std::span<const Variant> args) override;
    int modified = 0;
};

} // namespace vantor::test
