#pragma once
#include "host/DialogCatalogue.hpp"
#include "vantor/automation/TracingObject.hpp"
#include "vantor/framework/TargetList.hpp"

#include <memory>
#include <string>
#include <vector>

namespace vantor::model {
class Application;
}

// The targets a host hands to the pages of a dialog.
namespace vantor::host {

// The list whose element 0 is the target of that kind: the range `selection`
// refers to, the active workbook, the sheets named in `sheets` (the active
// sheet when none are), or the application; an empty list for no target.
// With a trace log, the target records every access in it.
std::shared_ptr<TargetList> TargetsFor(const std::shared_ptr<model::Application>& app,
                                       TargetKind kind, const std::string& selection,
                                       const std::vector<std::string>& sheets,
                                       const std::shared_ptr<TraceLog>& trace = nullptr);

} // namespace vantor::host
