#include "model/CellStyle.hpp"

#include "model/CellStore.hpp"
#include "model/NamedStyles.hpp"
#include "model/PropertyValues.hpp"
#include "model/StyleTable.hpp"
#include "model/UndoHistory.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"

namespace vantor::model {

namespace {

constexpr FieldMask Bits(std::initializer_list<Field> fields) {
    FieldMask mask = 0;
    for (const Field f : fields) {
        mask |= Bit(f);
    }
    return mask;
}

// The style fields of each group, in the order of CellStyle::Include.
constexpr FieldMask kIncludeFields[CellStyle::IncludeCount] = {
    Bits({Field::NumberFormat}),
    Bits({Field::HAlign, Field::VAlign, Field::WrapText, Field::ShrinkToFit}),
    Bits({Field::FontName, Field::FontSize, Field::Bold, Field::Italic, Field::Strikethrough,
          Field::Underline, Field::FontColor}),
    kTopBits | kLeftBits | LineBits(Field::DownStyle) | LineBits(Field::UpStyle),
    Bits({Field::InteriorColor, Field::Pattern, Field::PatternColor}),
    Bits({Field::ControlKind, Field::HideOnDeactivate}),
    Bits({Field::ReadOnly})};

} // namespace

CellStyle::CellStyle(std::shared_ptr<Worksheet> holder, uint32_t id, std::string name,
                     bool builtIn, unsigned includes)
    : DispatchObject(std::move(holder), CellRect{0, 0, 0, 0}), m_nId(id),
      m_strName(std::move(name)), m_bBuiltIn(builtIn) {
    for (int g = 0; g < IncludeCount; ++g) {
        m_abIncludes[g] = ((includes >> g) & 1) != 0;
    }
}

void CellStyle::SetIncludes(Include group, bool on) {
    if (m_abIncludes[group] == on) {
        return;
    }
    const UndoHistory::Scope step(Sheet()->Book()->History(), "Style Includes");
    m_abIncludes[group] = on;
    auto self = std::static_pointer_cast<CellStyle>(shared_from_this());
    Sheet()->Book()->History().Record(
        UndoChange{[self, group, on] { self->m_abIncludes[group] = !on; },
                   [self, group, on] { self->m_abIncludes[group] = on; }});
}

FieldMask CellStyle::IncludedFields() const {
    FieldMask mask = 0;
    for (int g = 0; g < IncludeCount; ++g) {
        if (m_abIncludes[g]) {
            mask |= kIncludeFields[g];
        }
    }
    return mask;
}

Style CellStyle::Format() const {
    const CellStore& store = Sheet()->Store();
    return store.Table().Get(store.StyleAt(0, 0));
}

BorderLine CellStyle::BottomEdge() const {
    const CellStore& store = Sheet()->Store();
    return store.Table().Get(store.StyleAt(1, 0)).top;
}

BorderLine CellStyle::RightEdge() const {
    const CellStore& store = Sheet()->Store();
    return store.Table().Get(store.StyleAt(0, 1)).left;
}

void CellStyle::SetUpFormat(const Style& format, const BorderLine& bottom,
                            const BorderLine& right) {
    StylePatch cell{kCellBits | kTopBits | kLeftBits, format};
    StylePatch below{kTopBits, Style{}};
    below.values.top = bottom;
    StylePatch beside{kLeftBits, Style{}};
    beside.values.left = right;
    Sheet()->SetUpStyles({{CellRect{0, 0, 0, 0}, cell},
                          {CellRect{1, 0, 1, 0}, below},
                          {CellRect{0, 1, 0, 1}, beside}});
}

std::vector<std::pair<CellRect, StylePatch>> CellStyle::PatchesFor(const CellRect& block) const {
    StylePatch cells{IncludedFields() | Bit(Field::StyleName), Format()};
    cells.values.styleName = m_nId;
    std::vector<std::pair<CellRect, StylePatch>> patches{{block, cells}};
    if (m_abIncludes[Border]) {
        StylePatch below{kTopBits, Style{}};
        below.values.top = BottomEdge();
        StylePatch beside{kLeftBits, Style{}};
        beside.values.left = RightEdge();
        patches.emplace_back(
            CellRect{block.lastRow + 1, block.firstColumn, block.lastRow + 1, block.lastColumn},
            below);
        patches.emplace_back(CellRect{block.firstRow, block.lastColumn + 1, block.lastRow,
                                      block.lastColumn + 1},
                             beside);
    }
    return patches;
}

void CellStyle::Reapply() {
    const auto book = Sheet()->Book();
    StyleTable& table = *book->Styles();
    const StylePatch patch{IncludedFields(), Format()};
    for (const auto& sheet : book->Sheets()) {
        sheet->RemapStyles([&](uint32_t id) {
            return table.Get(id).styleName == m_nId ? table.Intern(patch.AppliedTo(table.Get(id)))
                                                    : id;
        });
    }
}

const MemberTable<CellStyle>& CellStyle::Members() {
    using S = CellStyle;
    static const MemberTable<S> table = [] {
        MemberTable<S> t;
        t.Inherit(Range::Members());
        t.Property("Name", [](S& s, auto) { return Variant(s.m_strName); });
        t.Property("BuiltIn", [](S& s, auto) { return Variant(s.m_bBuiltIn); });
        for (int g = 0; g < IncludeCount; ++g) {
            const auto group = static_cast<Include>(g);
            t.Property(
                kIncludeNames[g], [group](S& s, auto) { return Variant(s.m_abIncludes[group]); },
                [group](S& s, auto, const Variant& v) {
                    if (!v.IsNull()) {
                        s.SetIncludes(group, values::ToBoolean(v));
                    }
                });
        }
        t.Method("Delete", [](S& s, auto) {
            s.Sheet()->Book()->CellStyles()->Delete(
                std::static_pointer_cast<S>(s.shared_from_this()));
            return Variant();
        });
        // A style holds no value and no sizes; the format pages read and call these.
        t.Property("Value", [](S&, auto) { return Variant(); });
        t.Method("AutoFitRowsHeight", [](S&, auto) { return Variant(); });
        t.Method("AutoFitColsWidth", [](S&, auto) { return Variant(); });
        t.Property("Style", [](S& s, auto) { return Variant(s.m_strName); });
        t.Method("Apply", [](S& s, auto) {
            if (s.HasStagedChanges()) {
                const UndoHistory::Scope group(s.Sheet()->Book()->History(), "Modify Style");
                s.Apply();
                s.Reapply();
            } else {
                s.Apply();
            }
            return Variant();
        });
        return t;
    }();
    return table;
}

} // namespace vantor::model
