#pragma once
#include <memory>

namespace vantor::model {
class Application;
}

namespace vantor::qt {

// Opens the workbook the studio starts with: the model's sample workbook
// when this build has it, otherwise a small one filled here with values,
// formats, borders, fills and a note.
void OpenStartWorkbook(const std::shared_ptr<model::Application>& app);

} // namespace vantor::qt
