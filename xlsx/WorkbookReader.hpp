#pragma once
#include <memory>
#include <string>

namespace vantor::model {
class Application;
class Workbook;
} // namespace vantor::model

namespace vantor::xlsx {

class PackageReader;
class SourcePackage;

// Opens a workbook file into a new workbook of the model. The workbook is
// handed back only when the whole file has been read; anything wrong with the
// file is refused with error 1004 naming the file, the part and the fault.
class WorkbookReader {
public:
    WorkbookReader(std::shared_ptr<model::Application> app, std::string path);
    ~WorkbookReader();
    std::shared_ptr<model::Workbook> Read();

private:
    void ReadSettings();
    void ReadSheets();
    void ReadExtras();
    void ReadProtection();

    std::shared_ptr<model::Application> m_pApp;
    std::string m_strPath;
    std::unique_ptr<PackageReader> m_pPackage;
    std::shared_ptr<SourcePackage> m_pSource;
    std::shared_ptr<model::Workbook> m_pBook;
};

} // namespace vantor::xlsx
