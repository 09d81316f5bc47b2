#pragma once
#include <memory>

// A workbook that shows what the model holds, for demonstrations and tests.
namespace vantor::model {
class Application;
class Workbook;
} // namespace vantor::model

namespace vantor::model::sample {

// Adds the sample workbook "Sample.xls" to the application and makes it
// active. Its sheets: "Values" (values of every kind with a number format of
// every category), "Formats" (fonts, alignments, borders and fills),
// "Notes and Controls" (notes, read-only cells and embedded controls) and
// "Mixed" (blocks whose cells differ in all of these). Built with writes
// outside any undo group, so it leaves no undo step.
std::shared_ptr<Workbook> AddSampleWorkbook(const std::shared_ptr<Application>& app);

} // namespace vantor::model::sample
