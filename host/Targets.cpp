#include "host/Targets.hpp"

#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/SheetSelection.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "vantor/framework/DefaultTargetList.hpp"

namespace vantor::host {

std::shared_ptr<TargetList> TargetsFor(const std::shared_ptr<model::Application>& app,
                                       TargetKind kind, const std::string& selection,
                                       const std::vector<std::string>& sheets,
                                       const std::shared_ptr<TraceLog>& trace) {
    Variant target;
    switch (kind) {
    case TargetKind::Selection:
        target = Variant(app->RangeOf(selection));
        break;
    case TargetKind::Workbook:
        target = Variant(app->ActiveWorkbook());
        break;
    case TargetKind::Sheets:
        target = Variant(app->ActiveWorkbook()->SelectSheets(
            sheets.empty() ? std::vector<std::string>{app->ActiveSheet()->Name()} : sheets));
        break;
    case TargetKind::Application:
        target = Variant(app);
        break;
    case TargetKind::None:
        return std::make_shared<DefaultTargetList>(std::vector<Variant>{});
    }
    if (trace != nullptr) {
        target = Variant(TracingObject::Wrap(target.ToObject(), trace));
    }
    return std::make_shared<DefaultTargetList>(std::vector<Variant>{target});
}

} // namespace vantor::host
