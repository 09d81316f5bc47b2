#pragma once
#include "vantor/automation/TracingObject.hpp"

#include <map>
#include <memory>
#include <set>
#include <string>

namespace vantor::host {

// How a page used one member of its target, by the member's path from the
// target ("Font.Name", "Borders.Item.LineStyle"; "(each)" for the elements of
// a for-each).
struct MemberUse {
    std::string path;           // as the page first spelled it
    bool read = false;
    bool written = false;
    bool called = false;
    std::set<std::string> kinds; // the types of the values written ("Long", "Null", ...)
};

// The uses of a run, by path without regard to case.
using MemberUses = std::map<std::string, MemberUse>;

// A decorator that notes every member a page reads, writes or calls on an
// object and on the objects reached from it, and passes each access on. One
// path may be made to read as Null, as a mixed selection answers. It is a
// tracing object, so that a page looking through tracing wrappers for a
// typed interface of the model still finds it.
class RecordingTarget : public TracingObject {
public:
    RecordingTarget(ObjectRef inner, std::string path, std::shared_ptr<MemberUses> uses, std::string nulled);

    Variant Invoke(std::string_view member, InvokeKind kind, std::span<const Variant> args) override;
    Variant InvokeId(int32_t dispId, InvokeKind kind, std::span<const Variant> args) override;
    std::vector<Variant> Enumerate() override;

private:
    // The result, with an object wrapped to record under `path`.
    Variant Wrapped(const Variant& result, const std::string& path) const;

    std::string m_strPath;
    std::shared_ptr<MemberUses> m_pUses;
    std::string m_strNulled;
};

} // namespace vantor::host
