#pragma once
#include "vantor/automation/Object.hpp"

#include <memory>
#include <functional>
#include <string>
#include <vector>

namespace vantor {

// One recorded access: what was asked of which object, and what came back.
struct TraceEntry {
    InvokeKind kind;
    std::string path;        // the object's display name and the member: "Font(Sheet1!A1).Name"
    std::vector<Variant> args; // for Put, the value is the last one
    Variant result;
    int error = 0;           // the error number the access raised, 0 if none

    // "Get Range.Font.Name -> String("Arial")", "Put Range.WrapText = True",
    // "Call Range.Apply()", with " !5" when it raised error 5.
    std::string Text() const;
};

using TraceLog = std::vector<TraceEntry>;

// A decorator that records every Get, Put and Call on an object, and wraps
// every object it hands out so that chained accesses are recorded too.
// Objects are named by their display names.
class TracingObject : public Object {
public:
    TracingObject(ObjectRef inner, std::shared_ptr<TraceLog> log);

    static ObjectRef Wrap(ObjectRef inner, std::shared_ptr<TraceLog> log);

    Variant Invoke(std::string_view member, InvokeKind kind, std::span<const Variant> args) override;
    Variant InvokeId(int32_t dispId, InvokeKind kind, std::span<const Variant> args) override;
    std::vector<Variant> Enumerate() override;
    std::string TypeName() const override;
    std::string DisplayName() const override;

    const ObjectRef& Inner() const { return m_oInner; }

private:
    Variant Record(const std::string& member, InvokeKind kind, std::span<const Variant> args,
                   const std::function<Variant()>& access);

    ObjectRef m_oInner;
    std::shared_ptr<TraceLog> m_pLog;
};

} // namespace vantor
