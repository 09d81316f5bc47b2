// The workbook file reader. The first byte of an input chooses what the rest
// is: a whole package, or the worksheet, styles or shared strings part of a
// small workbook. Whatever opens must save, and what is saved must open again.
#include "model/Application.hpp"
#include "model/Workbook.hpp"
#include "vantor/automation/AutomationError.hpp"
#include "xlsx/PackageWriter.hpp"
#include "xlsx/WorkbookFile.hpp"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

const std::map<std::string, std::string>& SmallWorkbook() {
    static const std::map<std::string, std::string> parts = {
        {"[Content_Types].xml",
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"},
        {"_rels/.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml",
         "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
         "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
         "<sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
         "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
         "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>"},
        {"xl/styles.xml",
         "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><fonts><font><sz val=\"11\"/>"
         "<name val=\"Calibri\"/></font></fonts><fills><fill><patternFill/></fill></fills><borders><border/></borders>"
         "<cellXfs><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellXfs></styleSheet>"},
        {"xl/sharedStrings.xml", "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><si><t>a</t></si></sst>"},
        {"xl/worksheets/sheet1.xml",
         "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
         "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row></sheetData></worksheet>"},
    };
    return parts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / ("vantor-fuzz-xlsx-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    const auto app = vantor::model::Application::Create({"Liberation Sans"});
    const std::string input = folder + "/in.xlsx";
    const std::string output = folder + "/out.xlsx";
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    static const char* const parts[] = {"", "xl/worksheets/sheet1.xml", "xl/styles.xml", "xl/sharedStrings.xml"};
    const char* part = parts[data[0] % 4];
    if (*part == '\0') {
        std::ofstream(input, std::ios::binary) << rest;
    } else {
        vantor::xlsx::PackageWriter package(input);
        for (const auto& [name, text] : SmallWorkbook()) {
            package.Add(name, name == part ? rest : text);
        }
        package.Close();
    }
    std::shared_ptr<vantor::model::Workbook> book;
    try {
        book = vantor::xlsx::OpenWorkbook(app, input);
    } catch (const vantor::AutomationError&) {
        return 0; // refused whole
    }
    try {
        vantor::xlsx::SaveWorkbook(*book, output);
    } catch (const vantor::AutomationError&) {
        std::abort(); // a workbook that opened must save
    }
    try {
        vantor::xlsx::OpenWorkbook(app, output);
    } catch (const vantor::AutomationError&) {
        std::abort(); // what we write must open again
    }
    return 0;
}
