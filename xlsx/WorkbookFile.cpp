#include "xlsx/WorkbookFile.hpp"

#include "model/Application.hpp"
#include "model/Workbook.hpp"
#include "xlsx/Refusal.hpp"
#include "xlsx/SourcePackage.hpp"
#include "xlsx/WorkbookReader.hpp"
#include "xlsx/WorkbookWriter.hpp"

#include "vantor/automation/SafeSave.hpp"

#include <sys/stat.h>

namespace vantor::xlsx {

namespace {

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace

std::shared_ptr<model::Workbook> OpenWorkbook(const std::shared_ptr<model::Application>& app,
                                              const std::string& path) {
    auto book = WorkbookReader(app, path).Read();
    app->AddExistingWorkbook(book);
    book->History().Clear();
    book->SetSaved(true);
    return book;
}

std::string SaveWorkbook(model::Workbook& book, const std::string& path) {
    // The controls' kinds are the application's: without it the file cannot be written whole.
    if (book.App() == nullptr) {
        Refuse(path, "", "the workbook's application has ended");
    }
    WorkbookWriter writer(book);
    const std::string losses = writer.Losses();
    const auto* source = dynamic_cast<const SourcePackage*>(book.Source().get());
    if (!losses.empty() && source && SameFile(path, source->fileName)) {
        Refuse(path, "", "saving over the file would lose " + losses.substr(0, losses.size() - 1) +
                             "; save it under another name");
    }
    SafeSave(path, [&](const std::string& temp) { writer.Write(temp); }, 0666);
    book.SetFullName(path);
    book.SetSaved(true);
    return losses;
}

std::string SaveLosses(const model::Workbook& book) {
    return WorkbookWriter(book).Losses();
}

} // namespace vantor::xlsx
