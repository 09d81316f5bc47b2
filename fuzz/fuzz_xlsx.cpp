// The workbook file reader. The first byte of an input chooses what the rest
// is: a whole package; the worksheet, styles or shared strings part of a
// small workbook (whatever opens must save, and what is saved must open
// again); or the styles or comments part read alone, without a package, which
// runs many more inputs a second.
#include "model/Application.hpp"
#include "model/Workbook.hpp"
#include "vantor/automation/AutomationError.hpp"
#include "xlsx/NotesPart.hpp"
#include "xlsx/SourcePackage.hpp"
#include "xlsx/StylesReader.hpp"
#include "xlsx/WorkbookFile.hpp"

#include <unistd.h>
#include <zip.h>

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

// The small workbook with one part replaced, stored without compression:
// packing is the writer's work, not what is fuzzed here.
void WritePackage(const std::string& path, const std::string& part, const std::string& text) {
    int code = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (zip == nullptr) {
        std::abort();
    }
    for (const auto& [name, original] : SmallWorkbook()) {
        const std::string& data = name == part ? text : original;
        zip_source_t* source = zip_source_buffer(zip, data.data(), data.size(), 0);
        const zip_int64_t index = source ? zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0 || zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0) != 0) {
            std::abort();
        }
    }
    if (zip_close(zip) != 0) {
        std::abort();
    }
}

// A folder in memory where there is one: saves flush their files to disk.
std::string ScratchFolder() {
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    const auto path = base / ("vantor-fuzz-xlsx-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path.string();
}

void ReadPartAlone(char mode, const std::string& text) {
    try {
        if (mode == 4) {
            const auto app = vantor::model::Application::Create({"Liberation Sans"});
            const auto book = app->AddWorkbook("Fuzz");
            vantor::xlsx::SourcePackage source;
            vantor::xlsx::StylesReader(source, *book->Styles(), {}).Read(text);
        } else {
            std::map<vantor::model::CellKey, std::string> notes;
            vantor::xlsx::notes::Read(text, notes);
            vantor::xlsx::notes::HasOtherShapes(text);
        }
    } catch (const vantor::AutomationError&) {
        // refused whole
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const char mode = static_cast<char>(data[0] % 6);
    if (mode >= 4) {
        ReadPartAlone(mode, rest);
        return 0;
    }
    static const std::string folder = ScratchFolder();
    const auto app = vantor::model::Application::Create({"Liberation Sans"});
    const std::string input = folder + "/in.xlsx";
    const std::string output = folder + "/out.xlsx";
    static const char* const parts[] = {"", "xl/worksheets/sheet1.xml", "xl/styles.xml", "xl/sharedStrings.xml"};
    const char* part = parts[static_cast<size_t>(mode)];
    if (*part == '\0') {
        std::ofstream(input, std::ios::binary) << rest;
    } else {
        WritePackage(input, part, rest);
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
