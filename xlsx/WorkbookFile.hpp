#pragma once
#include <memory>
#include <string>

namespace vantor::model {
class Application;
class Workbook;
} // namespace vantor::model

// Workbook files (.xlsx): opening one into the model and saving a workbook.
// Both refuse with error 1004 naming the file, the part and the fault.
namespace vantor::xlsx {

// Opens the file as a new workbook of the application and makes it active.
// Nothing is added to the application unless the whole file was read.
std::shared_ptr<model::Workbook> OpenWorkbook(const std::shared_ptr<model::Application>& app,
                                              const std::string& path);

// Saves the workbook to the path, safely: the old file stays whole when the
// save fails. Saving over the file the workbook came from is refused when
// the save cannot carry everything of it through; under another name it goes
// ahead and the answer says what was not carried (empty when nothing).
std::string SaveWorkbook(model::Workbook& book, const std::string& path);

// What saving the workbook would not carry through from the file it came
// from, one description a line (empty when nothing), without writing: a
// front asks before it saves under another name.
std::string SaveLosses(const model::Workbook& book);

} // namespace vantor::xlsx
