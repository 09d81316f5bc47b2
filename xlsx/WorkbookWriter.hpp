#pragma once
#include <memory>
#include <string>
#include <vector>

namespace vantor::model {
class Workbook;
}

namespace vantor::xlsx {

class SourcePackage;

// Writes a workbook of the model as a package: what the model holds from
// the model, everything else from the file it was opened from.
class WorkbookWriter {
public:
    explicit WorkbookWriter(const model::Workbook& book);
    // What the save cannot carry through from the file the workbook came
    // from, one description a line; empty when it loses nothing.
    std::string Losses() const;
    // Writes the package to the path (any file there is replaced).
    void Write(const std::string& path);

private:
    const model::Workbook& m_book;
    const SourcePackage* m_pSource;
};

} // namespace vantor::xlsx
