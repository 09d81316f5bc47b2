#include "xlsx/WorkbookWriter.hpp"
#include "vantor/automation/Enumerations.hpp"

#include "model/CellStore.hpp"
#include "model/Constants.hpp"
#include "model/ControlKinds.hpp"
#include "model/Application.hpp"
#include "model/Palette.hpp"
#include "model/StyleTable.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "model/NamedStyles.hpp"
#include "xlsx/NotesPart.hpp"
#include "xlsx/PackagePaths.hpp"
#include "xlsx/PackageWriter.hpp"
#include "xlsx/SheetWriter.hpp"
#include "xlsx/SourcePackage.hpp"
#include "xlsx/StyleCodes.hpp"
#include "xlsx/StylesWriter.hpp"
#include "xlsx/XmlText.hpp"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace vantor::xlsx {

using namespace xml;

namespace {

constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRelationshipBase =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr const char* kTypePrefix = "application/vnd.openxmlformats-officedocument.spreadsheetml.";

constexpr const char* kNewContentTypes =
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>";
constexpr const char* kNewRootRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"xl/workbook.xml\"/></Relationships>";
constexpr const char* kNewWorkbook =
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<workbookPr/><bookViews><workbookView/></bookViews><sheets/><calcPr/></workbook>";
constexpr const char* kNewRels =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"/>";

void SetText(pugi::xml_node node, const char* name, const std::string& value) {
    pugi::xml_attribute a = node.attribute(name);
    if (!a) {
        a = node.append_attribute(name);
    }
    a.set_value(value.c_str());
}

void SetBool(pugi::xml_node node, const char* name, bool value, bool fallback) {
    if (BoolAttr(node, name, fallback) != value) {
        SetText(node, name, value ? "1" : "0");
    }
}

pugi::xml_node Ensure(pugi::xml_node parent, const std::string& prefix, const char* name,
                      std::initializer_list<std::string_view> later) {
    if (pugi::xml_node n = Child(parent, name)) {
        return n;
    }
    const std::string full = prefix + name;
    for (pugi::xml_node n = parent.first_child(); n; n = n.next_sibling()) {
        if (n.type() == pugi::node_element &&
            std::find(later.begin(), later.end(), LocalName(n.name())) != later.end()) {
            return parent.insert_child_before(full.c_str(), n);
        }
    }
    return parent.append_child(full.c_str());
}

// Relationship parts: ids, targets and types.
class Relationships {
public:
    explicit Relationships(pugi::xml_document& doc, std::string owner)
        : m_doc(doc), m_owner(std::move(owner)) {}
    std::string IdOfTarget(const std::string& part) const {
        for (pugi::xml_node r : m_doc.document_element().children()) {
            if (Is(r, "Relationship") &&
                paths::Resolve(m_owner, Attr(r, "Target").value()) == part) {
                return Attr(r, "Id").value();
            }
        }
        return {};
    }
    std::string Add(const std::string& type, const std::string& part) {
        if (std::string id = IdOfTarget(part); !id.empty()) {
            return id;
        }
        int next = 1;
        for (pugi::xml_node r : m_doc.document_element().children()) {
            const std::string_view id = Attr(r, "Id").value();
            if (id.substr(0, 3) == "rId") {
                next = std::max(next, std::atoi(std::string(id.substr(3)).c_str()) + 1);
            }
        }
        const std::string id = "rId" + std::to_string(next);
        pugi::xml_node r = m_doc.document_element().append_child("Relationship");
        r.append_attribute("Id").set_value(id.c_str());
        r.append_attribute("Type").set_value(type.c_str());
        r.append_attribute("Target").set_value(paths::Relative(m_owner, part).c_str());
        return id;
    }
    void RemoveTarget(const std::string& part) {
        for (pugi::xml_node r = m_doc.document_element().first_child(); r;) {
            const pugi::xml_node next = r.next_sibling();
            if (Is(r, "Relationship") && paths::Resolve(m_owner, Attr(r, "Target").value()) == part) {
                m_doc.document_element().remove_child(r);
            }
            r = next;
        }
    }

private:
    pugi::xml_document& m_doc;
    std::string m_owner;
};

std::string NewName(const std::set<std::string>& taken, const std::string& stem, const std::string& ext) {
    for (int n = 1;; ++n) {
        std::string name = stem + std::to_string(n) + ext;
        if (taken.count(name) == 0) {
            return name;
        }
    }
}

std::map<model::CellKey, std::string> NotesOf(const model::Worksheet& sheet) {
    std::map<model::CellKey, std::string> notes;
    sheet.Store().ForEachNote(model::WholeSheet(), [&](model::CellKey key, const std::string& text) {
        notes.emplace(key, text);
    });
    return notes;
}

} // namespace

WorkbookWriter::WorkbookWriter(const model::Workbook& book)
    : m_book(book), m_pSource(dynamic_cast<const SourcePackage*>(book.Source().get())) {}

std::string WorkbookWriter::Losses() const {
    std::string losses;
    if (!m_pSource) {
        return losses;
    }
    for (const auto& sheet : m_book.Sheets()) {
        const SourceSheet* kept = m_pSource->SheetOf(sheet.get());
        if (kept && kept->vmlHasOtherShapes && NotesOf(*sheet) != kept->notes) {
            losses += "the shapes beside the notes of sheet \"" + sheet->Name() +
                      "\" (their drawing is rewritten with the notes)\n";
        }
    }
    return losses;
}

void WorkbookWriter::Write(const std::string& path) {
    const SourcePackage* source = m_pSource;
    model::StyleTable& table = *m_book.Styles();
    const ObjectRef book(std::const_pointer_cast<model::Workbook>(
        std::static_pointer_cast<const model::Workbook>(m_book.shared_from_this())));

    std::set<std::string> taken;
    if (source) {
        for (const auto& [name, data] : source->keptParts) {
            taken.insert(name);
        }
        for (const auto& sheet : source->sheets) {
            taken.insert(sheet.partName);
        }
    }
    const std::string workbookPart = source ? source->workbookPart : "xl/workbook.xml";
    const std::string stylesPart = source && !source->stylesPart.empty() ? source->stylesPart : "xl/styles.xml";
    const std::string stringsPart =
        source && !source->stringsPart.empty() ? source->stringsPart : "xl/sharedStrings.xml";
    const std::string extrasPart = source && !source->extrasPart.empty() ? source->extrasPart : "xl/vantor.xml";
    taken.insert({workbookPart, stylesPart, stringsPart});

    pugi::xml_document contentTypes, workbook, workbookRels;
    if (source) {
        contentTypes.reset(source->contentTypes);
        workbook.reset(source->workbook);
        workbookRels.reset(source->workbookRels);
    } else {
        contentTypes.load_string(kNewContentTypes);
        workbook.load_string(kNewWorkbook);
        workbookRels.load_string(kNewRels);
    }
    Relationships bookRels(workbookRels, workbookPart);
    std::vector<std::pair<std::string, std::string>> written; // name, content type ("" for a default)
    std::vector<std::pair<std::string, std::string>> parts;   // name, text
    std::set<std::string> dropped; // kept parts no longer wanted
    std::map<std::string, PartDeflater::Packed> deflated; // parts packed as they were written

    // Sheets: their parts, notes and relationships.
    StylesWriter styles(source, table, m_book.CellStyles().get());
    SharedStrings strings;
    const auto& sheets = m_book.Sheets();
    SheetWriter::BackgroundFormat(*sheets.front(), styles);
    std::vector<std::string> sheetParts;
    std::vector<std::string> sheetRelIds;
    bool hasFormulas = false;
    for (const auto& sheet : sheets) {
        const SourceSheet* kept = source ? source->SheetOf(sheet.get()) : nullptr;
        std::string part = kept ? kept->partName : NewName(taken, "xl/worksheets/sheet", ".xml");
        taken.insert(part);
        sheet->Store().ForEachFormula(model::WholeSheet(), [&](model::CellKey, const std::string&) { hasFormulas = true; });

        pugi::xml_document rels;
        if (kept && kept->rels) {
            rels.reset(*kept->rels);
        } else {
            rels.load_string(kNewRels);
        }
        Relationships sheetRels(rels, part);
        const auto notes = NotesOf(*sheet);
        std::string drawingId;
        if (kept && !kept->commentsPart.empty() && notes == kept->notes) {
            drawingId = kept->vmlPart.empty() ? "" : sheetRels.IdOfTarget(kept->vmlPart);
        } else {
            if (kept && !kept->commentsPart.empty()) {
                dropped.insert(kept->commentsPart);
                sheetRels.RemoveTarget(kept->commentsPart);
            }
            if (kept && !kept->vmlPart.empty() && (!notes.empty() || !kept->vmlHasOtherShapes)) {
                dropped.insert(kept->vmlPart);
                sheetRels.RemoveTarget(kept->vmlPart);
            } else if (kept && !kept->vmlPart.empty()) {
                drawingId = sheetRels.IdOfTarget(kept->vmlPart);
            }
            if (!notes.empty()) {
                const std::string comments = kept && !kept->commentsPart.empty() ? kept->commentsPart
                                                                                 : NewName(taken, "xl/comments", ".xml");
                const std::string vml = kept && !kept->vmlPart.empty() ? kept->vmlPart
                                                                       : NewName(taken, "xl/drawings/vmlDrawing", ".vml");
                taken.insert({comments, vml});
                dropped.erase(comments);
                dropped.erase(vml);
                parts.emplace_back(comments, notes::CommentsText(notes));
                parts.emplace_back(vml, notes::DrawingText(notes));
                written.emplace_back(comments, std::string(kTypePrefix) + "comments+xml");
                written.emplace_back(vml, "");
                sheetRels.Add(std::string(kRelationshipBase) + "comments", comments);
                drawingId = sheetRels.Add(std::string(kRelationshipBase) + "vmlDrawing", vml);
            }
        }
        SheetWriter writer(*sheet, kept, styles, strings, m_book.Date1904(), sheet == m_book.ActiveSheet());
        // A large sheet is packed on a second thread while the rest of it is written.
        std::optional<PartDeflater> deflater;
        std::string text = writer.Text(drawingId, [&deflater](std::string piece) {
            if (!deflater) {
                deflater.emplace();
            }
            deflater->Add(std::move(piece));
        });
        if (deflater) {
            deflater->Add(std::exchange(text, std::string()));
            deflated.emplace(part, deflater->Finish());
        }
        parts.emplace_back(part, std::move(text));
        written.emplace_back(part, std::string(kTypePrefix) + "worksheet+xml");
        if (rels.document_element().first_child()) {
            parts.emplace_back(paths::RelsOf(part), ToText(rels));
            written.emplace_back(paths::RelsOf(part), "");
        }
        sheetParts.push_back(part);
        sheetRelIds.push_back(bookRels.Add(std::string(kRelationshipBase) + "worksheet", part));
    }

    // Shared strings: rich texts as they were read.
    {
        std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<sst xmlns=\"";
        out += kMain;
        out += "\" count=\"" + std::to_string(strings.references) + "\" uniqueCount=\"" +
               std::to_string(strings.texts.size()) + "\">";
        for (const std::string* text : strings.texts) {
            if (source) {
                if (const auto it = source->richStrings.find(*text); it != source->richStrings.end()) {
                    out += it->second;
                    continue;
                }
            }
            out += "<si><t xml:space=\"preserve\">";
            AppendEscaped(out, *text);
            out += "</t></si>";
        }
        out += "</sst>";
        parts.emplace_back(stringsPart, std::move(out));
        written.emplace_back(stringsPart, std::string(kTypePrefix) + "sharedStrings+xml");
        bookRels.Add(std::string(kRelationshipBase) + "sharedStrings", stringsPart);
    }
    parts.emplace_back(stylesPart, styles.Text());
    written.emplace_back(stylesPart, std::string(kTypePrefix) + "styles+xml");
    bookRels.Add(std::string(kRelationshipBase) + "styles", stylesPart);

    // What the format has no place for goes to the workbook's own part.
    {
        std::string body;
        const auto& kinds = *m_book.App()->Controls();
        for (const auto& sheet : sheets) {
            std::string inner;
            std::string attributes;
            const uint32_t grid = sheet->GridlineColorValue();
            if (grid != model::kAutoColor &&
                model::palette::ColorOf(model::palette::NearestIndex(grid)) != grid) {
                attributes = " gridlineColor=\"" + codes::ArgbOf(grid) + "\"";
            }
            // Runs down each column of cells alike in their control.
            sheet->Store().ForEachColumn(0, model::constants::kColumnCount - 1,
                                         [&](int32_t a, int32_t b, const model::ColumnStyles& column) {
                std::vector<std::pair<int32_t, uint32_t>> runs; // (end, id)
                column.ForEachRun(0, model::constants::kRowCount, [&](int32_t, int32_t end, uint32_t id) {
                    runs.emplace_back(end, id);
                });
                for (int32_t c = a; c <= b; ++c) {
                    for (size_t k = 0; k < runs.size();) {
                        const model::Style& style = table.Get(runs[k].second);
                        size_t m = k + 1;
                        while (m < runs.size() && table.Get(runs[m].second).controlKind == style.controlKind &&
                               table.Get(runs[m].second).hideOnDeactivate == style.hideOnDeactivate) {
                            ++m;
                        }
                        const int32_t top = k == 0 ? 0 : runs[k - 1].first;
                        const int32_t bottom = std::min(runs[m - 1].first, model::constants::kRowCount) - 1;
                        k = m;
                        if ((style.controlKind == 0 && !style.hideOnDeactivate) || top > bottom) {
                            continue;
                        }
                        inner += "<control ref=\"" + model::ColumnName(c) + std::to_string(top + 1) + ":" +
                                 model::ColumnName(c) + std::to_string(bottom + 1) + "\"";
                        inner += " name=\"";
                        AppendEscaped(inner, kinds.NameOf(style.controlKind));
                        inner += "\" hideOnDeactivate=\"";
                        inner += style.hideOnDeactivate ? "1\"/>" : "0\"/>";
                    }
                }
            });
            if (!inner.empty() || !attributes.empty()) {
                body += "<sheet name=\"";
                AppendEscaped(body, sheet->Name());
                body += "\"" + attributes + ">" + inner + "</sheet>";
            }
        }
        const bool displayErrors = book.Get("DisplayErrors").ToBool();
        const int32_t commentMode = book.Get("CommentMode").ToLong();
        if (!body.empty() || !displayErrors || commentMode != 2) {
            std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<extras xmlns=\"";
            out += paths::kExtrasNamespace;
            out += "\" displayErrors=\"" + std::string(displayErrors ? "1" : "0") + "\" commentMode=\"" +
                   std::to_string(commentMode) + "\">" + body + "</extras>";
            parts.emplace_back(extrasPart, std::move(out));
            written.emplace_back(extrasPart, paths::kExtrasContentType);
            bookRels.Add(paths::kExtrasRelationship, extrasPart);
        } else {
            bookRels.RemoveTarget(extrasPart);
        }
    }

    // The workbook part: the sheets in order, settings where they changed.
    {
        pugi::xml_node root = workbook.document_element();
        const std::string name = root.name();
        const std::string prefix = name.find(':') == std::string::npos ? "" : name.substr(0, name.find(':') + 1);
        std::string relPrefix = "r";
        for (pugi::xml_attribute a = root.first_attribute(); a; a = a.next_attribute()) {
            const std::string_view n = a.name();
            if (n.substr(0, 6) == "xmlns:" &&
                std::string_view(a.value()) == "http://schemas.openxmlformats.org/officeDocument/2006/relationships") {
                relPrefix = std::string(n.substr(6));
            }
        }
        if (!root.attribute(("xmlns:" + relPrefix).c_str())) {
            SetText(root, ("xmlns:" + relPrefix).c_str(),
                    "http://schemas.openxmlformats.org/officeDocument/2006/relationships");
        }
        pugi::xml_node workbookPr = Ensure(root, prefix, "workbookPr",
                                           {"workbookProtection", "bookViews", "sheets", "calcPr"});
        SetBool(workbookPr, "date1904", m_book.Date1904(), false);
        pugi::xml_node sheetList = Ensure(root, prefix, "sheets", {"functionGroups", "externalReferences",
                                                                   "definedNames", "calcPr"});
        // Worksheets keep their entries in order; other sheets stay where they were.
        std::vector<pugi::xml_node> entries;
        int64_t maxId = 0;
        for (pugi::xml_node n : sheetList.children()) {
            if (Is(n, "sheet")) {
                maxId = std::max(maxId, IntAttr(n, "sheetId", 0));
                const std::string target = paths::TargetOfId(workbookRels, workbookPart, Attr(n, "id").value());
                if (std::find(sheetParts.begin(), sheetParts.end(), target) != sheetParts.end()) {
                    entries.push_back(n);
                }
            }
        }
        int64_t activeTab = 0;
        for (size_t i = 0; i < sheets.size(); ++i) {
            pugi::xml_node entry;
            for (const auto& e : entries) {
                if (paths::TargetOfId(workbookRels, workbookPart, Attr(e, "id").value()) == sheetParts[i]) {
                    entry = e;
                }
            }
            if (!entry) {
                entry = sheetList.append_child((prefix + "sheet").c_str());
                SetText(entry, "name", sheets[i]->Name());
                SetText(entry, "sheetId", std::to_string(++maxId));
                SetText(entry, (relPrefix + ":id").c_str(), sheetRelIds[i]);
            } else if (Attr(entry, "name").value() != sheets[i]->Name()) {
                SetText(entry, "name", sheets[i]->Name());
            }
            // A very hidden sheet the model reads as hidden stays very hidden.
            if (sheets[i]->Visible()) {
                entry.remove_attribute("state");
            } else if (std::string_view(Attr(entry, "state").value()) != "veryHidden") {
                SetText(entry, "state", "hidden");
            }
            if (sheets[i] == m_book.ActiveSheet()) {
                int64_t tab = 0;
                for (pugi::xml_node n : sheetList.children()) {
                    if (n == entry) {
                        activeTab = tab;
                    }
                    tab += Is(n, "sheet") ? 1 : 0;
                }
            }
        }
        pugi::xml_node views = Ensure(root, prefix, "bookViews", {"sheets"});
        pugi::xml_node view = Child(views, "workbookView");
        if (!view) {
            view = views.append_child((prefix + "workbookView").c_str());
        }
        if (IntAttr(view, "activeTab", 0) != activeTab) {
            SetText(view, "activeTab", std::to_string(activeTab));
        }
        SetBool(view, "showHorizontalScroll", book.Get("DisplayHorizontalScrollBar").ToBool(), true);
        SetBool(view, "showVerticalScroll", book.Get("DisplayVerticalScrollBar").ToBool(), true);
        SetBool(view, "showSheetTabs", book.Get("DisplayWorkbookTabs").ToBool(), true);

        pugi::xml_node calc = Ensure(root, prefix, "calcPr",
                                     {"oleSize", "customWorkbookViews", "pivotCaches", "smartTagPr",
                                      "smartTagTypes", "webPublishing", "fileRecoveryPr",
                                      "webPublishObjects", "extLst"});
        const bool manual = book.Get("Calculation").ToLong() == enums::Calculation::Manual;
        if ((std::string_view(Attr(calc, "calcMode").value()) == "manual") != manual) {
            SetText(calc, "calcMode", manual ? "manual" : "auto");
        }
        SetBool(calc, "iterate", book.Get("Iteration").ToBool(), false);
        SetBool(calc, "fullPrecision", !m_book.PrecisionAsDisplayed(), true);
        if (IntAttr(calc, "iterateCount", 100) != book.Get("MaxIterations").ToLong()) {
            SetText(calc, "iterateCount", std::to_string(book.Get("MaxIterations").ToLong()));
        }
        if (DoubleAttr(calc, "iterateDelta", 0.001) != book.Get("MaxChange").ToDouble()) {
            std::string delta;
            AppendNumber(delta, book.Get("MaxChange").ToDouble());
            SetText(calc, "iterateDelta", delta);
        }
        // Cached values of formulas may be stale once cells changed: other
        // programs are asked to calculate again when they open the file.
        if (hasFormulas && !m_book.Saved()) {
            SetBool(calc, "fullCalcOnLoad", true, false);
        }
        parts.insert(parts.begin(), {workbookPart, ToText(workbook)});
        written.emplace_back(workbookPart, std::string(kTypePrefix) + "sheet.main+xml");
    }
    parts.insert(parts.begin() + 1, {paths::RelsOf(workbookPart), ToText(workbookRels)});
    written.emplace_back(paths::RelsOf(workbookPart), "");

    // Kept parts, but for the notes written anew.
    std::vector<std::pair<std::string, const std::string*>> keptParts;
    bool hasRootRels = false;
    if (source) {
        for (const auto& kept : source->keptParts) {
            const std::string& name = kept.first;
            if (dropped.count(name) == 0 &&
                std::none_of(parts.begin(), parts.end(), [&](const auto& p) { return p.first == name; })) {
                keptParts.emplace_back(name, &kept.second);
                hasRootRels |= name == "_rels/.rels";
            }
        }
    }

    // Content types: every written part declared, none that is gone.
    {
        pugi::xml_node root = contentTypes.document_element();
        std::set<std::string> present;
        for (const auto& p : parts) {
            present.insert(p.first);
        }
        for (const auto& k : keptParts) {
            present.insert(k.first);
        }
        for (pugi::xml_node n = root.first_child(); n;) {
            const pugi::xml_node next = n.next_sibling();
            if (Is(n, "Override")) {
                const std::string part = paths::Resolve("", Attr(n, "PartName").value());
                if (present.count(part) == 0) {
                    root.remove_child(n);
                }
            }
            n = next;
        }
        for (const auto& [name, type] : written) {
            if (type.empty()) {
                const std::string extension = name.substr(name.rfind('.') + 1);
                bool declared = false;
                for (pugi::xml_node n : root.children()) {
                    declared |= Is(n, "Default") && std::string_view(Attr(n, "Extension").value()) == extension;
                }
                if (!declared) {
                    pugi::xml_node d = root.prepend_child("Default");
                    d.append_attribute("Extension").set_value(extension.c_str());
                    d.append_attribute("ContentType").set_value(
                        extension == "vml" ? "application/vnd.openxmlformats-officedocument.vmlDrawing"
                                           : "application/vnd.openxmlformats-package.relationships+xml");
                }
                continue;
            }
            bool declared = false;
            for (pugi::xml_node n : root.children()) {
                declared |= Is(n, "Override") && paths::Resolve("", Attr(n, "PartName").value()) == name;
            }
            if (!declared) {
                pugi::xml_node o = root.append_child("Override");
                o.append_attribute("PartName").set_value(("/" + name).c_str());
                o.append_attribute("ContentType").set_value(type.c_str());
            }
        }
    }

    // Parts in name order, so that equal workbooks give equal files.
    std::vector<std::pair<std::string, std::string>> all;
    for (auto& [name, text] : parts) {
        all.emplace_back(name, std::move(text));
    }
    for (auto& [name, data] : keptParts) {
        all.emplace_back(name, *data);
    }
    if (!hasRootRels) {
        all.emplace_back("_rels/.rels", kNewRootRels);
    }
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    PackageWriter package(path);
    package.Add("[Content_Types].xml", ToText(contentTypes));
    for (auto& [name, text] : all) {
        if (const auto packed = deflated.find(name); packed != deflated.end()) {
            package.AddDeflated(name, std::move(packed->second));
            continue;
        }
        const bool large = text.size() > (size_t{1} << 20);
        package.Add(name, std::move(text), large);
    }
    package.Close();
}

} // namespace vantor::xlsx
