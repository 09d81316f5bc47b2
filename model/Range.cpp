#include "model/Range.hpp"

#include "model/Application.hpp"
#include "model/AutoFit.hpp"
#include "model/CellStyle.hpp"
#include "model/Constants.hpp"
#include "model/ControlKinds.hpp"
#include "model/NamedStyles.hpp"
#include "model/NumberFormatCheck.hpp"
#include "model/PropertyMembers.hpp"
#include "model/PropertyValues.hpp"
#include "model/RangeBorders.hpp"
#include "model/RangeComment.hpp"
#include "model/RangeControl.hpp"
#include "model/RangeFont.hpp"
#include "model/RangeInterior.hpp"
#include "model/StyleTable.hpp"
#include "model/UndoHistory.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "vantor/automation/Enumerations.hpp"

#include <cfloat>

namespace vantor::model {

namespace {

// The most cells a single write of a value or a note may fill.
constexpr int64_t kMaxFilledCells = constants::kRowCount;

void CheckFillable(const CellRect& rect, const char* what) {
    if (rect.CellCount() > kMaxFilledCells) {
        throw AutomationError(err::ApplicationDefined,
                              std::string(what) + " can be given to at most " +
                                  std::to_string(kMaxFilledCells) + " cells at once");
    }
}

// The value all runs of a size list agree on over [first, last], or Null.
Variant AgreedSize(const RunList<double>& sizes, int32_t first, int32_t last) {
    std::optional<double> agreed;
    bool mixed = false;
    sizes.ForEach(first, last, [&](int32_t, int32_t, double v) {
        if (agreed && *agreed != v) {
            mixed = true;
        }
        agreed = v;
    });
    return mixed || !agreed ? Variant::Null() : Variant(*agreed);
}

// The values "HorizontalAlignment" and "VerticalAlignment" take.
constexpr int32_t kHorizontalAlignments[] = {enums::HAlign::General,
                                             enums::HAlign::Left,
                                             enums::HAlign::Center,
                                             enums::HAlign::Right,
                                             enums::HAlign::Fill,
                                             enums::HAlign::Justify,
                                             enums::HAlign::CenterAcrossSelection,
                                             enums::HAlign::Distributed};
constexpr int32_t kVerticalAlignments[] = {enums::VAlign::Top, enums::VAlign::Center,
                                           enums::VAlign::Bottom, enums::VAlign::Justify,
                                           enums::VAlign::Distributed};

} // namespace

Range::Range(std::shared_ptr<Worksheet> sheet, const CellRect& rect)
    : m_pSheet(std::move(sheet)), m_rect(rect) {
    if (rect.firstRow < 0 || rect.firstColumn < 0 || rect.lastRow >= constants::kRowCount ||
        rect.lastColumn >= constants::kColumnCount || rect.firstRow > rect.lastRow ||
        rect.firstColumn > rect.lastColumn) {
        throw AutomationError(err::ApplicationDefined, "The block of cells lies outside the sheet");
    }
}

std::string Range::Where() const {
    return m_pSheet->Name() + "!" + FormatAddress(m_rect);
}

std::shared_ptr<Application> Range::App() const {
    return m_pSheet->Book()->App();
}

StyleTable& Range::Styles() const {
    return m_pSheet->Store().Table();
}

template <typename T> std::shared_ptr<T> Range::Child(std::weak_ptr<T>& slot) {
    auto child = slot.lock();
    if (!child) {
        child = std::make_shared<T>(std::static_pointer_cast<Range>(shared_from_this()));
        slot = child;
    }
    return child;
}

const StyleSummary& Range::Summary() {
    const CellStore& store = m_pSheet->Store();
    if (!m_summary || m_nSummaryVersion != store.Version()) {
        m_summary.emplace(store, m_rect);
        m_nSummaryVersion = store.Version();
    }
    return *m_summary;
}

Variant Range::ReadStyle(Group group, FieldMask fields,
                         const std::function<Variant(const Style&)>& value) {
    const StyleMerge& merge = Summary().Of(group);
    if (!merge.any || (merge.mixed & fields) != 0) {
        return Variant::Null();
    }
    return value(merge.first);
}

void Range::Stage(Group group, FieldMask fields, const std::function<void(Style&)>& set) {
    StylePatch& patch = m_patches[group];
    patch.mask |= fields;
    set(patch.values);
}

bool Range::HasGroup(Group group) const {
    switch (group) {
    case Group::InsideHorizontal:
        return m_rect.RowCount() > 1;
    case Group::InsideVertical:
        return m_rect.ColumnCount() > 1;
    default:
        return true;
    }
}

CellRect Range::GroupRect(Group group) const {
    const CellRect& r = m_rect;
    switch (group) {
    case Group::Top:
        return {r.firstRow, r.firstColumn, r.firstRow, r.lastColumn};
    case Group::Bottom:
        return {r.lastRow + 1, r.firstColumn, r.lastRow + 1, r.lastColumn};
    case Group::Left:
        return {r.firstRow, r.firstColumn, r.lastRow, r.firstColumn};
    case Group::Right:
        return {r.firstRow, r.lastColumn + 1, r.lastRow, r.lastColumn + 1};
    case Group::InsideHorizontal:
        return {r.firstRow + 1, r.firstColumn, r.lastRow, r.lastColumn};
    case Group::InsideVertical:
        return {r.firstRow, r.firstColumn + 1, r.lastRow, r.lastColumn};
    default:
        return r;
    }
}

bool Range::HasStagedChanges() const {
    for (const auto& patch : m_patches) {
        if (!patch.Empty()) {
            return true;
        }
    }
    return false;
}

void Range::Apply() {
    if (m_nApplyCache > 0) {
        --m_nApplyCache;
    }
    Commit();
}

void Range::Commit() {
    if (!HasStagedChanges()) {
        return;
    }
    std::vector<std::pair<CellRect, StylePatch>> patches;
    for (int g = 0; g < StyleSummary::GroupCount; ++g) {
        const auto group = static_cast<Group>(g);
        if (!m_patches[g].Empty() && HasGroup(group)) {
            patches.emplace_back(GroupRect(group), m_patches[g]);
        }
        m_patches[g].Clear();
    }
    m_pSheet->PatchStyles(patches);
}

void Range::AutoFitRows() {
    m_pSheet->ChangeCells(
        [&](CellStore& store) { autofit::FitRows(store, m_rect, Styles().Default().fontSize); });
}

void Range::AutoFitColumns() {
    m_pSheet->ChangeCells(
        [&](CellStore& store) { autofit::FitColumns(store, m_rect, Styles().Default().fontSize); });
}

void Range::WriteValue(const Variant& value) {
    if (value.IsObject()) {
        throw AutomationError(err::TypeMismatch);
    }
    CheckFillable(m_rect, "A value");
    m_pSheet->ChangeCells(m_rect, [&](CellStore& store) { store.SetValue(m_rect, value); });
}

void Range::WriteReadOnly(bool readOnly) {
    StylePatch patch;
    patch.mask = Bit(Field::ReadOnly);
    patch.values.readOnly = readOnly;
    m_pSheet->PatchStyles({{m_rect, patch}});
}

Variant Range::CommentObject() {
    bool any = false;
    m_pSheet->Store().ForEachNote(m_rect, [&](CellKey, const std::string&) { any = true; });
    return any ? Variant(Child(m_pComment)) : Variant::Nothing();
}

void Range::AddComment(const std::string& text) {
    CheckFillable(m_rect, "A note");
    m_pSheet->ChangeCells(m_rect, [&](CellStore& store) { store.SetNotes(m_rect, text, true); });
}

Variant Range::MergeCells() const {
    int64_t merged = 0;
    for (const CellRect& a : m_pSheet->Store().Merges().Touching(m_rect)) {
        merged += CellRect{std::max(a.firstRow, m_rect.firstRow),
                           std::max(a.firstColumn, m_rect.firstColumn),
                           std::min(a.lastRow, m_rect.lastRow),
                           std::min(a.lastColumn, m_rect.lastColumn)}
                      .CellCount();
    }
    if (merged == 0) {
        return Variant(false);
    }
    return merged == m_rect.CellCount() ? Variant(true) : Variant::Null();
}

void Range::Merge() {
    const MergeAreas& merges = m_pSheet->Store().Merges();
    const CellRect grown = merges.Grown(m_rect);
    const std::vector<CellRect> inside = merges.Touching(grown);
    if (grown.CellCount() == 1 || (inside.size() == 1 && inside.front() == grown)) {
        return;
    }
    m_pSheet->ChangeCells(grown, [&](CellStore& store) { store.SetMerges(merges.With(grown)); });
}

void Range::UnMerge() {
    const MergeAreas& merges = m_pSheet->Store().Merges();
    const std::vector<CellRect> touched = merges.Touching(m_rect);
    // Unmerging changes every cell of each area touched, as a protected sheet sees it.
    for (const CellRect& area : touched) {
        m_pSheet->CheckEditable(area);
    }
    if (!touched.empty()) {
        m_pSheet->ChangeCells([&](CellStore& store) { store.SetMerges(merges.Without(m_rect)); });
    }
}

const MemberTable<Range>& Range::Members() {
    using R = Range;
    static const MemberTable<R> table = [] {
        MemberTable<R> t;
        t.Property(
            "Value",
            [](R& r, auto) {
                const Variant* v =
                    r.m_pSheet->Store().ValueAt(r.m_rect.firstRow, r.m_rect.firstColumn);
                return v ? *v : Variant();
            },
            [](R& r, auto, const Variant& v) {
                if (!v.IsNull()) {
                    r.WriteValue(v);
                }
            });
        // A formula is kept as its text with the value last calculated; there is
        // no calculation, so a written formula has no value until a file gives one.
        t.Property(
            "Formula",
            [](R& r, auto) {
                const CellStore& store = r.m_pSheet->Store();
                const std::string* text = store.FormulaAt(r.m_rect.firstRow, r.m_rect.firstColumn);
                if (text && !text->empty()) {
                    return Variant("=" + *text);
                }
                const Variant* v = store.ValueAt(r.m_rect.firstRow, r.m_rect.firstColumn);
                return v ? *v : Variant();
            },
            [](R& r, auto, const Variant& v) {
                if (v.IsNull()) {
                    return;
                }
                if (!v.IsString() || v.ToString().size() < 2 || v.ToString()[0] != '=') {
                    r.WriteValue(v);
                    return;
                }
                CheckFillable(r.m_rect, "A formula");
                const std::string text = v.ToString().substr(1);
                r.m_pSheet->ChangeCells(r.m_rect, [&](CellStore& store) {
                    for (int32_t c = r.m_rect.firstColumn; c <= r.m_rect.lastColumn; ++c) {
                        for (int32_t row = r.m_rect.firstRow; row <= r.m_rect.lastRow; ++row) {
                            store.SetFormula(row, c, text, Variant());
                        }
                    }
                });
            });
        t.Property(
            "NumberFormat",
            [](R& r, auto) {
                return r.Read(Field::NumberFormat, [&r](const Style& s) {
                    return Variant(r.Styles().NumberFormats().Text(s.numberFormat));
                });
            },
            [](R& r, auto, const Variant& v) {
                if (v.IsNull()) {
                    return;
                }
                if (!v.IsString()) {
                    throw AutomationError(err::TypeMismatch);
                }
                const uint32_t id =
                    r.Styles().NumberFormats().Intern(numberformat::CheckedCode(v.ToString()));
                r.Stage(Field::NumberFormat, [id](Style& s) { s.numberFormat = id; });
            });
        members::Choice(t, "HorizontalAlignment", Field::HAlign, &Style::hAlign,
                        kHorizontalAlignments);
        members::Choice(t, "VerticalAlignment", Field::VAlign, &Style::vAlign, kVerticalAlignments);
        members::Boolean(t, "WrapText", Field::WrapText, &Style::wrapText);
        members::Boolean(t, "ShrinkToFit", Field::ShrinkToFit, &Style::shrinkToFit);
        t.Property(
            "MergeCells", [](R& r, auto) { return r.MergeCells(); },
            [](R& r, auto, const Variant& v) {
                if (!v.IsNull()) {
                    values::ToBoolean(v) ? r.Merge() : r.UnMerge();
                }
            });
        t.Method("Merge", [](R& r, auto) {
            r.Merge();
            return Variant();
        });
        t.Method("UnMerge", [](R& r, auto) {
            r.UnMerge();
            return Variant();
        });
        t.Property("MergeArea", [](R& r, auto) {
            const CellRect* area =
                r.m_pSheet->Store().Merges().Find(r.m_rect.firstRow, r.m_rect.firstColumn);
            return Variant(r.m_pSheet->RangeOf(
                area ? *area
                     : CellRect{r.m_rect.firstRow, r.m_rect.firstColumn, r.m_rect.firstRow,
                                r.m_rect.firstColumn}));
        });
        // Whether merging would hide a value: one in a cell of the grown range
        // other than its top left.
        t.Property("MergeHidesValues", [](R& r, auto) {
            const CellStore& store = r.m_pSheet->Store();
            const CellRect grown = store.Merges().Grown(r.m_rect);
            const CellKey topLeft = KeyOf(grown.firstRow, grown.firstColumn);
            bool hides = false;
            store.ForEachValue(grown,
                               [&](CellKey key, const Variant&) { hides |= key != topLeft; });
            return Variant(hides);
        });
        t.Property(
            "Style",
            [](R& r, auto) {
                return r.Read(Field::StyleName, [&r](const Style& s) {
                    return Variant(r.m_pSheet->Book()->CellStyles()->NameOf(s.styleName));
                });
            },
            [](R& r, auto, const Variant& v) {
                if (v.IsNull()) {
                    return;
                }
                const auto book = r.m_pSheet->Book();
                const auto style = book->CellStyles()->Find(v.ToString());
                if (!style) {
                    throw AutomationError(err::ApplicationDefined,
                                          "The workbook has no style named " + v.ToString());
                }
                const UndoHistory::Scope step(book->History(), "Style");
                r.m_pSheet->PatchStyles(style->PatchesFor(r.m_rect));
            });
        t.Property(
            "ReadOnly",
            [](R& r, auto) {
                return r.Read(Field::ReadOnly, [](const Style& s) { return Variant(s.readOnly); });
            },
            [](R& r, auto, const Variant& v) {
                if (!v.IsNull()) {
                    r.WriteReadOnly(values::ToBoolean(v));
                }
            });
        t.Property(
            "ApplyCache", [](R& r, auto) { return Variant(r.m_nApplyCache); },
            [](R& r, auto, const Variant& v) {
                if (!v.IsNull()) {
                    r.m_nApplyCache = values::ToLongIn(v, "ApplyCache", 0, INT32_MAX);
                }
            });
        t.Method("Apply", [](R& r, auto) {
            r.Apply();
            return Variant();
        });
        t.Method("AutoFitRowsHeight", [](R& r, auto) {
            r.AutoFitRows();
            return Variant();
        });
        t.Method("AutoFitColsWidth", [](R& r, auto) {
            r.AutoFitColumns();
            return Variant();
        });
        t.Property("Font", [](R& r, auto) { return Variant(r.Child(r.m_pFont)); });
        t.Property("Interior", [](R& r, auto) { return Variant(r.Child(r.m_pInterior)); });
        t.Property("Borders", [](R& r, auto) { return Variant(r.Child(r.m_pBorders)); });
        t.Property("Control", [](R& r, auto) { return Variant(r.Child(r.m_pControl)); });
        t.Property("Controls", [](R& r, auto) { return Variant(r.App()->Controls()); });
        t.Property("Comment", [](R& r, auto) { return r.CommentObject(); });
        t.Method("AddComment", [](R& r, auto args) {
            const Variant& text = args.empty() ? Variant("") : args[0];
            r.AddComment(text.IsEmpty() ? std::string() : text.ToString());
            return r.CommentObject();
        });
        t.Method("ClearComments", [](R& r, auto) {
            r.m_pSheet->ChangeCells(r.m_rect,
                                    [&r](CellStore& store) { store.ClearNotes(r.m_rect); });
            return Variant();
        });
        t.Property(
            "RowHeight",
            [](R& r, auto) {
                return AgreedSize(r.m_pSheet->Store().State().rowHeights, r.m_rect.firstRow,
                                  r.m_rect.lastRow);
            },
            [](R& r, auto, const Variant& v) {
                if (!v.IsNull()) {
                    const double h =
                        values::ToDoubleIn(v, "RowHeight", 0.0, autofit::kMaxRowHeight);
                    r.m_pSheet->ChangeCells([&](CellStore& store) {
                        store.SetRowHeights(r.m_rect.firstRow, r.m_rect.lastRow, h);
                    });
                }
            });
        t.Property(
            "ColumnWidth",
            [](R& r, auto) {
                return AgreedSize(r.m_pSheet->Store().State().columnWidths, r.m_rect.firstColumn,
                                  r.m_rect.lastColumn);
            },
            [](R& r, auto, const Variant& v) {
                if (!v.IsNull()) {
                    const double w =
                        values::ToDoubleIn(v, "ColumnWidth", 0.0, autofit::kMaxColumnWidth);
                    r.m_pSheet->ChangeCells([&](CellStore& store) {
                        store.SetColumnWidths(r.m_rect.firstColumn, r.m_rect.lastColumn, w);
                    });
                }
            });
        t.Property("Address", [](R& r, auto) { return Variant(FormatAddress(r.m_rect)); });
        t.Property("Row", [](R& r, auto) { return Variant(r.m_rect.firstRow + 1); });
        t.Property("Column", [](R& r, auto) { return Variant(r.m_rect.firstColumn + 1); });
        t.Property("Worksheet", [](R& r, auto) { return Variant(r.m_pSheet); });
        t.Property("Parent", [](R& r, auto) { return Variant(r.m_pSheet); });
        t.Property("Application", [](R& r, auto) { return Variant(r.App()); });
        return t;
    }();
    return table;
}

} // namespace vantor::model
