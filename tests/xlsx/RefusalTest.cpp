#include "XlsxTestSupport.hpp"

#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "vantor/automation/AutomationError.hpp"
#include "xlsx/WorkbookFile.hpp"

namespace vantor::test {
namespace {

using model::Application;

constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

// The parts of a small workbook of one sheet, for crafting files.
std::map<std::string, std::string> Parts(const std::string& sheetData,
                                         const std::string& cellFormats = "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/>") {
    const std::string ns = std::string("xmlns=\"") + kMain + "\"";
    return {
        {"[Content_Types].xml",
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"},
        {"_rels/.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"xl/workbook.xml\"/>"
         "</Relationships>"},
        {"xl/workbook.xml", "<workbook " + ns +
                                " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                                "<sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
         "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
         "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\" Target=\"sharedStrings.xml\"/>"
         "</Relationships>"},
        {"xl/styles.xml", "<styleSheet " + ns +
                              "><fonts><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
                              "<fills><fill><patternFill/></fill></fills><borders><border/></borders>"
                              "<cellXfs>" + cellFormats + "</cellXfs></styleSheet>"},
        {"xl/sharedStrings.xml", "<sst " + ns + "><si><t>one</t></si></sst>"},
        {"xl/worksheets/sheet1.xml", "<worksheet " + ns + "><sheetData>" + sheetData + "</sheetData></worksheet>"},
    };
}

class RefusalTest : public ::testing::Test {
protected:
    // The description of the refusal of opening the file, or "" when it opened.
    std::string Refusal(const std::string& file) {
        const size_t books = m_app->Workbooks().size();
        try {
            xlsx::OpenWorkbook(m_app, file);
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.Number(), 1004);
            // Never half opened.
            EXPECT_EQ(m_app->Workbooks().size(), books);
            return e.Description();
        }
        return "";
    }
    std::string Crafted(const std::map<std::string, std::string>& parts) {
        const std::string file = m_dir / "crafted.xlsx";
        WriteParts(file, parts);
        return file;
    }
    ScratchDir m_dir;
    std::shared_ptr<Application> m_app = Application::Create({"Liberation Sans"});
};

TEST_F(RefusalTest, CraftedFilesAreRefusedNamingTheFilePartAndFault) {
    struct Case {
        const char* what;
        std::function<void(std::map<std::string, std::string>&)> craft;
        const char* part;
        const char* fault;
    };
    const std::vector<Case> cases = {
        {"no content types", [](auto& p) { p.erase("[Content_Types].xml"); }, "", "not a workbook"},
        {"no package relationships", [](auto& p) { p.erase("_rels/.rels"); }, "_rels/.rels", "missing part"},
        {"a document that is no workbook",
         [](auto& p) { p["xl/workbook.xml"] = "<document/>"; }, "xl/workbook.xml", "not a workbook"},
        {"missing sheet part", [](auto& p) { p.erase("xl/worksheets/sheet1.xml"); }, "xl/worksheets/sheet1.xml",
         "missing part"},
        {"malformed workbook XML", [](auto& p) { p["xl/workbook.xml"] = "<workbook><sheets></workbook>"; },
         "xl/workbook.xml", "malformed XML"},
        {"malformed styles XML", [](auto& p) { p["xl/styles.xml"].resize(40); }, "xl/styles.xml", "malformed XML"},
        {"malformed rows", [](auto& p) { p["xl/worksheets/sheet1.xml"].replace(p["xl/worksheets/sheet1.xml"].find("<sheetData>") + 11, 0, "<row><c r=\"A1\"><v>1</row>"); },
         "xl/worksheets/sheet1.xml", "malformed XML"},
        {"unclosed sheetData", [](auto& p) { p["xl/worksheets/sheet1.xml"] = std::string("<worksheet xmlns=\"") + kMain + "\"><sheetData><row r=\"1\"/>"; },
         "xl/worksheets/sheet1.xml", "not closed"},
        {"style index out of range", [](auto& p) { p["xl/worksheets/sheet1.xml"].replace(p["xl/worksheets/sheet1.xml"].find("<sheetData>") + 11, 0, "<row r=\"1\"><c r=\"A1\" s=\"7\"><v>1</v></c></row>"); },
         "xl/worksheets/sheet1.xml", "style 7"},
        {"font index out of range", [](auto& p) { p["xl/styles.xml"].replace(p["xl/styles.xml"].find("fontId=\"0\""), 10, "fontId=\"3\""); },
         "xl/styles.xml", "font 3 of 1"},
        {"cell past the last column", [](auto& p) { p["xl/worksheets/sheet1.xml"].replace(p["xl/worksheets/sheet1.xml"].find("<sheetData>") + 11, 0, "<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>"); },
         "xl/worksheets/sheet1.xml", "XFE1 lies outside the sheet"},
        {"row past the last row", [](auto& p) { p["xl/worksheets/sheet1.xml"].replace(p["xl/worksheets/sheet1.xml"].find("<sheetData>") + 11, 0, "<row r=\"1048577\"/>"); },
         "xl/worksheets/sheet1.xml", "past the last row"},
        {"shared string out of range", [](auto& p) { p["xl/worksheets/sheet1.xml"].replace(p["xl/worksheets/sheet1.xml"].find("<sheetData>") + 11, 0, "<row r=\"1\"><c r=\"B1\" t=\"s\"><v>5</v></c></row>"); },
         "xl/worksheets/sheet1.xml", "shared string \"5\""},
        {"no sheetData", [](auto& p) { p["xl/worksheets/sheet1.xml"] = std::string("<worksheet xmlns=\"") + kMain + "\"/>"; },
         "xl/worksheets/sheet1.xml", "no sheetData"},
    };
    for (const Case& c : cases) {
        auto parts = Parts("");
        c.craft(parts);
        const std::string file = Crafted(parts);
        const std::string refusal = Refusal(file);
        EXPECT_NE(refusal.find(file), std::string::npos) << c.what << ": " << refusal;
        EXPECT_NE(refusal.find(c.part), std::string::npos) << c.what << ": " << refusal;
        EXPECT_NE(refusal.find(c.fault), std::string::npos) << c.what << ": " << refusal;
    }
    // The untouched parts open.
    EXPECT_EQ(Refusal(Crafted(Parts("<row r=\"2\"><c r=\"B2\" t=\"s\"><v>0</v></c></row>"))), "");
}

TEST_F(RefusalTest, FilesThatAreNoPackageOrDamagedOnes) {
    const std::string text = m_dir / "text.xlsx";
    std::ofstream(text) << "just some text, no package";
    EXPECT_NE(Refusal(text).find("not a workbook"), std::string::npos);
    EXPECT_NE(Refusal(m_dir / "none.xlsx").find("no such file"), std::string::npos);

    // A package cut short loses its directory.
    const std::string good = Crafted(Parts(""));
    const std::string bytes = ReadText(good);
    const std::string cut = m_dir / "cut.xlsx";
    std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() - 30);
    EXPECT_NE(Refusal(cut), "");

    // Damaged data inside a part: a byte of the packed sheet changed.
    std::string damaged = bytes;
    const size_t at = damaged.find("xl/worksheets/sheet1.xml");
    ASSERT_NE(at, std::string::npos);
    damaged[at + 24 + 30] ^= 0x55;
    const std::string broken = m_dir / "broken.xlsx";
    std::ofstream(broken, std::ios::binary) << damaged;
    const std::string refusal = Refusal(broken);
    EXPECT_NE(refusal, "");
}

TEST_F(RefusalTest, APartThatUnpacksBeyondASaneSizeIsRefusedUnread) {
    // 65 MiB of one repeated row packs to well over 200 times less.
    std::string rows;
    const std::string row = "<row><c><v>1</v></c></row>";
    rows.reserve((size_t{65} << 20) + row.size());
    while (rows.size() < (size_t{65} << 20)) {
        rows += row;
    }
    const std::string refusal = Refusal(Crafted(Parts(rows)));
    EXPECT_NE(refusal.find("xl/worksheets/sheet1.xml"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("zip bomb"), std::string::npos) << refusal;
}

TEST_F(RefusalTest, WhatTheModelDoesNotReadInAPartIsKept) {
    auto parts = Parts("<row r=\"1\" spans=\"1:2\" hidden=\"1\" outlineLevel=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c>"
                       "<c r=\"B1\"><f t=\"shared\" ref=\"B1:B2\" si=\"0\">A1&amp;\"x\"</f><v>1</v></c></row>"
                       "<row r=\"2\"><c r=\"B2\"><f t=\"shared\" si=\"0\"/><v>2</v></c></row>",
                       "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/>"
                       "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" quotePrefix=\"1\"><alignment indent=\"2\" textRotation=\"45\"/></xf>");
    std::string& sheet = parts["xl/worksheets/sheet1.xml"];
    sheet.replace(sheet.find("<sheetData>"), 0,
                  "<sheetPr><tabColor rgb=\"FF00FF00\"/></sheetPr><cols><col min=\"3\" max=\"4\" width=\"20\" customWidth=\"1\" hidden=\"1\"/></cols>");
    sheet.replace(sheet.find("</worksheet>"), 0,
                  "<mergeCells count=\"1\"><mergeCell ref=\"D4:E5\"/></mergeCells><sheetProtection sheet=\"1\" password=\"CC1A\"/>"
                  "<extLst><ext uri=\"urn:other\"><other:thing xmlns:other=\"urn:other\" value=\"kept\"/></ext></extLst>");
    sheet.replace(sheet.find("<row r=\"2\">"), 0, "");
    sheet.replace(sheet.find("<c r=\"A1\""), 0, "<c r=\"C1\" s=\"1\"/>");
    std::string& styles = parts["xl/styles.xml"];
    styles.replace(styles.find("</styleSheet>"), 0,
                   "<dxfs count=\"1\"><dxf><font><b/></font></dxf></dxfs><tableStyles count=\"0\"/>");
    parts["xl/workbook.xml"].replace(parts["xl/workbook.xml"].find("</workbook>"), 0,
                                     "<definedNames><definedName name=\"Kept\">S!$A$1</definedName></definedNames>");
    parts["customXml/item1.xml"] = "<data>anything</data>";
    const std::string file = Crafted(parts);
    const auto book = xlsx::OpenWorkbook(m_app, file);
    EXPECT_EQ(ObjectRef(book->Sheet(0)->RangeOf("B2")).Get("Value"), Variant(2.0));
    // A format the model reads the same as another stays apart from it.
    EXPECT_EQ(ObjectRef(book->Sheet(0)->RangeOf("C1")).Get("HorizontalAlignment"), Variant(1));
    const std::string saved = m_dir / "saved.xlsx";
    xlsx::SaveWorkbook(*book, saved);
    const auto out = ReadParts(saved);
    const std::string& s = out.at("xl/worksheets/sheet1.xml");
    for (const char* kept : {"<tabColor rgb=\"FF00FF00\"/>", "hidden=\"1\" outlineLevel=\"1\"",
                             "t=\"shared\" ref=\"B1:B2\" si=\"0\">A1&amp;&quot;x&quot;</f>", "<f t=\"shared\" si=\"0\"></f>",
                             "<mergeCell ref=\"D4:E5\"/>", "<sheetProtection sheet=\"1\" password=\"CC1A\"/>",
                             "<other:thing xmlns:other=\"urn:other\" value=\"kept\"/>", "width=\"20\" customWidth=\"1\" hidden=\"1\""}) {
        EXPECT_NE(s.find(kept), std::string::npos) << kept << "\n" << s;
    }
    EXPECT_NE(out.at("xl/styles.xml").find("quotePrefix=\"1\""), std::string::npos);
    EXPECT_NE(out.at("xl/styles.xml").find("indent=\"2\" textRotation=\"45\""), std::string::npos);
    EXPECT_NE(out.at("xl/styles.xml").find("<dxfs count=\"1\"><dxf><font><b/></font></dxf></dxfs><tableStyles count=\"0\"/>"),
              std::string::npos);
    EXPECT_NE(out.at("xl/workbook.xml").find("<definedName name=\"Kept\">S!$A$1</definedName>"), std::string::npos);
    EXPECT_EQ(out.at("customXml/item1.xml"), "<data>anything</data>");
}

TEST_F(RefusalTest, AWorkbookWhoseApplicationHasEndedIsRefusedUnwritten) {
    auto app = Application::Create({"Liberation Sans"});
    const auto book = app->AddWorkbook("Orphan");
    app.reset();
    const std::string file = m_dir / "orphan.xlsx";
    EXPECT_THROW(xlsx::SaveWorkbook(*book, file), AutomationError);
    EXPECT_FALSE(std::filesystem::exists(file));
}

} // namespace
} // namespace vantor::test
