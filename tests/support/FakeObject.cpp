#include "tests/support/FakeObject.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/TextFunctions.hpp"

#include <optional>

namespace vantor::test {

std::string FakeObject::Key(std::string_view member, std::span<const Variant> args) {
    std::string key = FoldCase(member);
    if (!args.empty()) {
        key += "(";
        for (size_t i = 0; i < args.size(); ++i) {
            key += (i ? "," : "") + args[i].ToString();
        }
        key += ")";
    }
    return key;
}

FakeObject& FakeObject::Set(const std::string& name, Variant value) {
    m_values[FoldCase(name)] = std::move(value);
    return *this;
}

FakeObject& FakeObject::Fail(const std::string& name, int number, const std::string& description) {
    m_failures[FoldCase(name)] = {number, description};
    return *this;
}

FakeObject& FakeObject::Method(const std::string& name, std::function<Variant(std::span<const Variant>)> body) {
    m_methods[FoldCase(name)] = std::move(body);
    return *this;
}

Variant FakeObject::Value(const std::string& name) const {
    const auto it = m_values.find(FoldCase(name));
    return it == m_values.end() ? Variant() : it->second;
}

std::vector<std::string> FakeObject::Writes() const {
    std::vector<std::string> out;
    for (const TraceEntry& e : m_writes) {
        out.push_back(e.Text());
    }
    return out;
}

int FakeObject::Calls(const std::string& name) const {
    int count = 0;
    for (const TraceEntry& e : m_writes) {
        count += e.kind == InvokeKind::Call && EqualsIgnoreCase(e.path, name) ? 1 : 0;
    }
    return count;
}

Variant FakeObject::Invoke(std::string_view member, InvokeKind kind, std::span<const Variant> args) {
    const std::string name = FoldCase(member);
    std::optional<TraceEntry> record;
    if (kind != InvokeKind::Get) {
        record = TraceEntry{kind, std::string(member), std::vector<Variant>(args.begin(), args.end()), Variant(), 0};
    }
    auto raise = [&](int number, const std::string& description) -> Variant {
        if (record) {
            record->error = number;
            m_writes.push_back(*record);
        }
        throw description.empty() ? AutomationError(number) : AutomationError(number, description);
    };
    if (const auto f = m_failures.find(name); f != m_failures.end()) {
        return raise(f->second.first, f->second.second);
    }
    if (kind == InvokeKind::Put) {
        if (args.empty() || !m_values.contains(name)) {
            return raise(err::NotSupported, "");
        }
        const Variant& value = args.back();
        if (value.IsNull() && m_nNullError != 0) {
            return raise(m_nNullError, "");
        }
        if (!value.IsNull()) {
            m_values[Key(member, args.first(args.size() - 1))] = value;
        }
        m_writes.push_back(*record);
        return Variant();
    }
    if (const auto m = m_methods.find(name); m != m_methods.end()) {
        Variant result = m->second ? m->second(args) : Variant();
        if (record) {
            m_writes.push_back(*record);
        }
        return result;
    }
    if (const auto v = m_values.find(Key(member, args)); v != m_values.end()) {
        return v->second;
    }
    return raise(err::NotSupported, "");
}

Variant FakeSite::Invoke(std::string_view member, InvokeKind, std::span<const Variant>) {
    if (!EqualsIgnoreCase(member, "SetModified")) {
        throw AutomationError(err::NotSupported);
    }
    ++modified;
    return Variant();
}

} // namespace vantor::test
