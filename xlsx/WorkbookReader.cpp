#include "xlsx/WorkbookReader.hpp"

#include "model/Application.hpp"
#include "model/Constants.hpp"
#include "model/CellStore.hpp"
#include "model/ControlKinds.hpp"
#include "model/StyleTable.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "model/NamedStyles.hpp"
#include "xlsx/NotesPart.hpp"
#include "xlsx/PackagePaths.hpp"
#include "xlsx/PackageReader.hpp"
#include "xlsx/Refusal.hpp"
#include "xlsx/SheetReader.hpp"
#include "xlsx/SourcePackage.hpp"
#include "xlsx/StyleCodes.hpp"
#include "xlsx/StylesReader.hpp"
#include "xlsx/XmlText.hpp"
#include "vantor/automation/Enumerations.hpp"

#include <algorithm>
#include <set>

namespace vantor::xlsx {

using namespace xml;

namespace {

std::string BaseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The theme's colours in the order cells number them.
std::vector<uint32_t> ThemeColors(const pugi::xml_document& theme) {
    const pugi::xml_node scheme =
        Child(Child(theme.document_element(), "themeElements"), "clrScheme");
    std::vector<uint32_t> colors;
    for (const char* name : {"lt1", "dk1", "lt2", "dk2", "accent1", "accent2", "accent3", "accent4",
                             "accent5", "accent6", "hlink", "folHlink"}) {
        const pugi::xml_node slot = Child(scheme, name);
        const pugi::xml_node value = slot.first_child();
        const char* hex = Is(value, "sysClr") ? Attr(value, "lastClr").value() : Attr(value, "val").value();
        colors.push_back(codes::ColorOfArgb(hex, 0));
    }
    return colors;
}

model::CellRect FirstArea(const std::string& sqref) {
    const size_t space = sqref.find(' ');
    return model::ParseAddress(sqref.substr(0, space));
}

} // namespace

WorkbookReader::WorkbookReader(std::shared_ptr<model::Application> app, std::string path)
    : m_pApp(std::move(app)), m_strPath(std::move(path)) {}

WorkbookReader::~WorkbookReader() = default;

std::shared_ptr<model::Workbook> WorkbookReader::Read() {
    m_pPackage = std::make_unique<PackageReader>(m_strPath);
    m_pSource = std::make_shared<SourcePackage>();
    SourcePackage& source = *m_pSource;
    source.fileName = m_strPath;
    const PackageReader& package = *m_pPackage;
    if (!package.Has("[Content_Types].xml")) {
        Refuse(m_strPath, "", "not a workbook (the package has no [Content_Types].xml)");
    }
    Parse(source.contentTypes, package.Read(package.Find("[Content_Types].xml")), m_strPath,
          "[Content_Types].xml");
    if (!package.Has("_rels/.rels")) {
        Refuse(m_strPath, "_rels/.rels", "missing part: the package names no document");
    }
    Parse(source.rootRels, package.Read(package.Find("_rels/.rels")), m_strPath, "_rels/.rels");
    source.workbookPart = paths::TargetOfType(source.rootRels, "", "officeDocument");
    if (source.workbookPart.empty()) {
        Refuse(m_strPath, "_rels/.rels", "not a workbook (the package names no office document)");
    }
    if (!package.Has(source.workbookPart)) {
        Refuse(m_strPath, source.workbookPart, "missing part: the workbook part is not in the package");
    }
    source.workbookPart = package.Find(source.workbookPart);
    Parse(source.workbook, package.Read(source.workbookPart), m_strPath, source.workbookPart);
    if (!Is(source.workbook.document_element(), "workbook")) {
        Refuse(m_strPath, source.workbookPart, "not a workbook (the document is no spreadsheet)");
    }
    const std::string relsPart = paths::RelsOf(source.workbookPart);
    if (!package.Has(relsPart)) {
        Refuse(m_strPath, relsPart, "missing part: the workbook's relationships");
    }
    Parse(source.workbookRels, package.Read(package.Find(relsPart)), m_strPath, relsPart);

    m_pBook = model::Workbook::Create(m_pApp, BaseName(m_strPath));
    m_pBook->SetFullName(m_strPath);
    ReadSettings();
    ReadSheets();
    ReadExtras();
    ReadProtection();

    // Parts the model does not read go back as they came.
    std::set<std::string> read = {"[Content_Types].xml", source.workbookPart, relsPart,
                                  source.stylesPart, source.stringsPart, source.extrasPart};
    for (const auto& sheet : source.sheets) {
        read.insert(sheet.partName);
        read.insert(paths::RelsOf(sheet.partName));
    }
    for (const std::string& name : package.PartNames()) {
        if (!name.empty() && name.back() != '/' && read.count(name) == 0) {
            source.keptParts.emplace_back(name, package.Read(name));
        }
    }
    m_pBook->SetSource(m_pSource);
    m_pBook->History().Clear();
    m_pBook->SetSaved(true);
    return m_pBook;
}

void WorkbookReader::ReadSettings() {
    SourcePackage& source = *m_pSource;
    const pugi::xml_node root = source.workbook.document_element();
    const ObjectRef book(m_pBook);
    const pugi::xml_node workbookPr = Child(root, "workbookPr");
    m_pBook->SetDate1904(BoolAttr(workbookPr, "date1904", false));
    const pugi::xml_node calc = Child(root, "calcPr");
    book.Put("Calculation", std::string_view(Attr(calc, "calcMode").value()) == "manual" ? enums::Calculation::Manual
                                                                                 : enums::Calculation::Automatic);
    book.Put("Iteration", BoolAttr(calc, "iterate", false));
    book.Put("MaxIterations", static_cast<int32_t>(std::clamp<int64_t>(IntAttr(calc, "iterateCount", 100), 1, 32767)));
    book.Put("MaxChange", std::max(0.0, DoubleAttr(calc, "iterateDelta", 0.001)));
    // Read before the sheets are, so nothing is rounded: the file's numbers are as kept.
    m_pBook->SetPrecisionAsDisplayed(!BoolAttr(calc, "fullPrecision", true));
    const pugi::xml_node view = Child(Child(root, "bookViews"), "workbookView");
    book.Put("DisplayHorizontalScrollBar", BoolAttr(view, "showHorizontalScroll", true));
    book.Put("DisplayVerticalScrollBar", BoolAttr(view, "showVerticalScroll", true));
    book.Put("DisplayWorkbookTabs", BoolAttr(view, "showSheetTabs", true));
}

void WorkbookReader::ReadSheets() {
    SourcePackage& source = *m_pSource;
    const PackageReader& package = *m_pPackage;
    const pugi::xml_node root = source.workbook.document_element();

    std::vector<uint32_t> theme;
    const std::string themePart = paths::TargetOfType(source.workbookRels, source.workbookPart, "theme");
    if (!themePart.empty() && package.Has(themePart)) {
        pugi::xml_document doc;
        Parse(doc, package.Read(package.Find(themePart)), m_strPath, themePart);
        theme = ThemeColors(doc);
    }
    std::unique_ptr<StylesReader> styles;
    source.stylesPart = paths::TargetOfType(source.workbookRels, source.workbookPart, "styles");
    if (!source.stylesPart.empty()) {
        if (!package.Has(source.stylesPart)) {
            Refuse(m_strPath, source.stylesPart, "missing part: the workbook's styles");
        }
        source.stylesPart = package.Find(source.stylesPart);
        styles = std::make_unique<StylesReader>(source, *m_pBook->Styles(), std::move(theme));
        styles->SetNamedStyles(m_pBook->CellStyles().get());
        styles->Read(package.Read(source.stylesPart));
    }
    std::vector<std::string> strings;
    source.stringsPart = paths::TargetOfType(source.workbookRels, source.workbookPart, "sharedStrings");
    if (!source.stringsPart.empty()) {
        if (!package.Has(source.stringsPart)) {
            Refuse(m_strPath, source.stringsPart, "missing part: the workbook's shared strings");
        }
        source.stringsPart = package.Find(source.stringsPart);
        pugi::xml_document doc;
        Parse(doc, package.Read(source.stringsPart), m_strPath, source.stringsPart);
        for (pugi::xml_node si : doc.document_element().children()) {
            if (!Is(si, "si")) {
                continue;
            }
            std::string text;
            bool rich = false;
            for (pugi::xml_node n = si.first_child(); n; n = n.next_sibling()) {
                if (Is(n, "t")) {
                    text += n.text().get();
                } else if (Is(n, "r")) {
                    text += Child(n, "t").text().get();
                    rich = true;
                } else if (n.type() == pugi::node_element) {
                    rich = true;
                }
            }
            if (rich) {
                source.richStrings.emplace(text, ToText(si));
            }
            strings.push_back(std::move(text));
        }
    }

    const bool date1904 = m_pBook->Date1904();
    const int64_t activeTab = IntAttr(Child(Child(root, "bookViews"), "workbookView"), "activeTab", 0);
    int64_t tab = 0;
    std::vector<std::shared_ptr<model::Worksheet>> hidden;
    for (pugi::xml_node entry : Child(root, "sheets").children()) {
        if (!Is(entry, "sheet")) {
            continue;
        }
        const std::string name = Attr(entry, "name").value();
        const std::string part = paths::TargetOfId(source.workbookRels, source.workbookPart, Attr(entry, "id").value());
        const int64_t index = tab++;
        if (part.empty() || !package.Has(part)) {
            Refuse(m_strPath, part.empty() ? paths::RelsOf(source.workbookPart) : part,
                   "missing part: the sheet \"" + name + "\" is not in the package");
        }
        bool worksheet = false;
        for (pugi::xml_node r : source.workbookRels.document_element().children()) {
            if (std::string_view(Attr(r, "Id").value()) == Attr(entry, "id").value()) {
                worksheet = paths::TypeIs(Attr(r, "Type").value(), "worksheet");
            }
        }
        if (!worksheet) {
            continue; // chart sheets and the like are kept as parts
        }
        std::shared_ptr<model::Worksheet> sheet;
        try {
            sheet = m_pBook->AddSheet(name);
        } catch (const AutomationError& e) {
            Refuse(m_strPath, source.workbookPart, "sheet \"" + name + "\": " + e.Description());
        }
        SourceSheet& kept = source.sheets.emplace_back();
        kept.sheet = sheet.get();
        kept.partName = package.Find(part);
        SheetReader(package, styles.get(), strings, date1904, kept, *sheet).Read();
        if (index == activeTab) {
            m_pBook->ActivateSheet(sheet);
        }
        if (std::string_view(Attr(entry, "state").value()) == "hidden" ||
            std::string_view(Attr(entry, "state").value()) == "veryHidden") {
            hidden.push_back(sheet);
        }

        const pugi::xml_node sheetRoot = kept.part->document_element();
        const pugi::xml_node view = Child(Child(sheetRoot, "sheetViews"), "sheetView");
        sheet->SetDisplayGridlines(BoolAttr(view, "showGridLines", true));
        sheet->SetDisplayHeadings(BoolAttr(view, "showRowColHeaders", true));
        sheet->SetDisplayZeros(BoolAttr(view, "showZeros", true));
        const pugi::xml_node pane = Child(view, "pane");
        if (std::string_view(Attr(pane, "state").value()).starts_with("frozen")) {
            sheet->SetSplitRow(static_cast<int32_t>(
                std::clamp<int64_t>(IntAttr(pane, "ySplit", 0), 0, model::constants::kRowCount - 1)));
            sheet->SetSplitColumn(static_cast<int32_t>(
                std::clamp<int64_t>(IntAttr(pane, "xSplit", 0), 0, model::constants::kColumnCount - 1)));
        }
        if (!BoolAttr(view, "defaultGridColor", true)) {
            const uint32_t color = codes::ColorOfIndexed(IntAttr(view, "colorId", 64));
            if (color != model::kAutoColor) {
                sheet->SetGridlineColor(color);
            }
        }
        model::SheetView sheetView;
        try {
            if (Attr(view, "topLeftCell")) {
                const model::CellRect top = model::ParseAddress(Attr(view, "topLeftCell").value());
                sheetView.topRow = top.firstRow;
                sheetView.leftColumn = top.firstColumn;
            }
            const pugi::xml_node selection = Child(view, "selection");
            if (Attr(selection, "activeCell")) {
                const model::CellRect active = model::ParseAddress(Attr(selection, "activeCell").value());
                sheetView.activeRow = active.firstRow;
                sheetView.activeColumn = active.firstColumn;
            }
            sheetView.selection = Attr(selection, "sqref")
                                      ? FirstArea(Attr(selection, "sqref").value())
                                      : model::CellRect{sheetView.activeRow, sheetView.activeColumn,
                                                        sheetView.activeRow, sheetView.activeColumn};
            sheet->SetView(sheetView);
        } catch (const AutomationError& e) {
            Refuse(m_strPath, kept.partName, "the sheet's view: " + e.Description());
        }
        kept.view = sheet->View();

        const std::string sheetRels = paths::RelsOf(kept.partName);
        if (package.Has(sheetRels)) {
            kept.rels = std::make_unique<pugi::xml_document>();
            Parse(*kept.rels, package.Read(package.Find(sheetRels)), m_strPath, sheetRels);
            const std::string comments = paths::TargetOfType(*kept.rels, kept.partName, "comments");
            if (!comments.empty() && package.Has(comments)) {
                kept.commentsPart = package.Find(comments);
                if (!notes::Read(package.Read(kept.commentsPart), kept.notes)) {
                    Refuse(m_strPath, kept.commentsPart, "malformed notes");
                }
                sheet->ChangeCells([&](model::CellStore& store) {
                    for (const auto& [key, text] : kept.notes) {
                        const int32_t r = model::RowOf(key), c = model::ColumnOf(key);
                        store.SetNotes(model::CellRect{r, c, r, c}, text, true);
                    }
                });
            }
            const std::string vml = paths::TargetOfType(*kept.rels, kept.partName, "vmlDrawing");
            if (!vml.empty() && package.Has(vml)) {
                kept.vmlPart = package.Find(vml);
                kept.vmlHasOtherShapes = notes::HasOtherShapes(package.Read(kept.vmlPart));
            }
        }
    }
    if (m_pBook->Sheets().empty()) {
        Refuse(m_strPath, source.workbookPart, "the workbook has no worksheet");
    }
    // Once every sheet is there: a file hiding them all keeps the last visible.
    for (const auto& sheet : hidden) {
        if (hidden.size() < m_pBook->Sheets().size() || sheet != hidden.back()) {
            sheet->SetVisible(false);
        }
    }
}

void WorkbookReader::ReadProtection() {
    // Last, since a protected sheet refuses the reader's own writes to its cells.
    for (const SourceSheet& kept : m_pSource->sheets) {
        const pugi::xml_node p = Child(kept.part->document_element(), "sheetProtection");
        if (!BoolAttr(p, "sheet", false)) {
            continue;
        }
        model::SheetProtection protection;
        protection.on = true;
        if (Attr(p, "hashValue")) {
            protection.hash.algorithm = Attr(p, "algorithmName").value();
            protection.hash.hashValue = Attr(p, "hashValue").value();
            protection.hash.saltValue = Attr(p, "saltValue").value();
            protection.hash.spinCount = static_cast<int32_t>(
                std::clamp<int64_t>(IntAttr(p, "spinCount", 0), 0, 10000000));
        } else {
            protection.legacyHash = Attr(p, "password").value();
        }
        m_pBook->Sheet(kept.sheet->Name())->SetProtection(protection);
    }
}

void WorkbookReader::ReadExtras() {
    SourcePackage& source = *m_pSource;
    const PackageReader& package = *m_pPackage;
    source.extrasPart = paths::TargetOfType(source.workbookRels, source.workbookPart, "workbook-extras");
    for (pugi::xml_node r : source.workbookRels.document_element().children()) {
        if (std::string_view(Attr(r, "Type").value()) == paths::kExtrasRelationship) {
            source.extrasPart = paths::Resolve(source.workbookPart, Attr(r, "Target").value());
        }
    }
    if (source.extrasPart.empty() || !package.Has(source.extrasPart)) {
        source.extrasPart.clear();
        return;
    }
    source.extrasPart = package.Find(source.extrasPart);
    pugi::xml_document doc;
    Parse(doc, package.Read(source.extrasPart), m_strPath, source.extrasPart);
    const pugi::xml_node root = doc.document_element();
    const ObjectRef book(m_pBook);
    try {
        book.Put("DisplayErrors", BoolAttr(root, "displayErrors", true));
        book.Put("CommentMode", static_cast<int32_t>(IntAttr(root, "commentMode", 2)));
        const auto& kinds = *m_pApp->Controls();
        for (pugi::xml_node s : root.children()) {
            if (!Is(s, "sheet")) {
                continue;
            }
            const auto sheet = m_pBook->Sheet(std::string(Attr(s, "name").value()));
            if (Attr(s, "gridlineColor")) {
                sheet->SetGridlineColor(codes::ColorOfArgb(Attr(s, "gridlineColor").value(), model::kAutoColor));
            }
            for (pugi::xml_node c : s.children()) {
                if (!Is(c, "control")) {
                    continue;
                }
                model::StylePatch patch;
                patch.mask = model::Bit(model::Field::ControlKind) | model::Bit(model::Field::HideOnDeactivate);
                patch.values.controlKind = kinds.CodeOf(Attr(c, "name").value());
                patch.values.hideOnDeactivate = BoolAttr(c, "hideOnDeactivate", false);
                sheet->PatchStyles({{model::ParseAddress(Attr(c, "ref").value()), patch}});
            }
        }
    } catch (const AutomationError& e) {
        Refuse(m_strPath, source.extrasPart, e.Description());
    }
}

} // namespace vantor::xlsx
