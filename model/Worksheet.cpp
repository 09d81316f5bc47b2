#include "model/Worksheet.hpp"

#include "model/Application.hpp"
#include "model/AutoFit.hpp"
#include "model/Constants.hpp"
#include "model/PropertyMembers.hpp"
#include "model/PropertyValues.hpp"
#include "model/Range.hpp"
#include "model/Style.hpp"
#include "model/StyleSummary.hpp"
#include "model/StyleTable.hpp"
#include "model/Workbook.hpp"
#include "vantor/automation/Enumerations.hpp"

namespace vantor::model {

std::shared_ptr<Worksheet> Worksheet::Create(const std::shared_ptr<Workbook>& book,
                                             std::string name) {
    return std::shared_ptr<Worksheet>(new Worksheet(book, std::move(name)));
}

Worksheet::Worksheet(const std::shared_ptr<Workbook>& book, std::string name)
    : m_pBook(book), m_strName(std::move(name)),
      m_store(book->Styles(), autofit::LineHeight(Application::kDefaultFontSize),
              autofit::kDefaultColumnWidth),
      m_uGridlineColor(kAutoColor) {}

template <typename T> void Worksheet::Change(T Worksheet::*member, T value) {
    const T old = this->*member;
    if (old == value) {
        return;
    }
    this->*member = value;
    Book()->SetSaved(false);
    auto self = std::static_pointer_cast<Worksheet>(shared_from_this());
    Book()->History().Record(UndoChange{[self, member, old] {
                                            (*self).*member = old;
                                            self->Book()->SetSaved(false);
                                        },
                                        [self, member, value] {
                                            (*self).*member = value;
                                            self->Book()->SetSaved(false);
                                        }});
}

int32_t Worksheet::GridlineColor() const {
    return m_uGridlineColor == kAutoColor ? enums::GridlineColor::Automatic
                                          : static_cast<int32_t>(m_uGridlineColor);
}

void Worksheet::TakeNewSheetDefaults(bool displayGridlines, uint32_t gridlineColor) {
    m_bDisplayGridlines = displayGridlines;
    m_uGridlineColor = gridlineColor;
}

void Worksheet::SetSplitRow(int32_t rows) {
    if (rows < 0 || rows >= constants::kRowCount) {
        throw AutomationError(err::ApplicationDefined, "SplitRow takes 0 to 1048575 rows");
    }
    Change(&Worksheet::m_nSplitRow, rows);
}

void Worksheet::SetSplitColumn(int32_t columns) {
    if (columns < 0 || columns >= constants::kColumnCount) {
        throw AutomationError(err::ApplicationDefined, "SplitColumn takes 0 to 16383 columns");
    }
    Change(&Worksheet::m_nSplitColumn, columns);
}

void Worksheet::SetVisible(bool visible) {
    if (visible == m_bVisible) {
        return;
    }
    const auto book = Book();
    if (!visible) {
        std::shared_ptr<Worksheet> other;
        for (const auto& sheet : book->Sheets()) {
            if (sheet.get() != this && sheet->m_bVisible && !other) {
                other = sheet;
            }
        }
        if (!other) {
            throw AutomationError(err::ApplicationDefined,
                                  "A workbook keeps at least one visible sheet");
        }
        if (book->ActiveSheet().get() == this) {
            book->ActivateSheet(other);
        }
    }
    Change(&Worksheet::m_bVisible, visible);
}

void Worksheet::Protect(const std::string& password) {
    if (m_protection.on && m_protection.HasPassword()) {
        throw AutomationError(err::ApplicationDefined,
                              "The sheet is protected with a password: unprotect it first");
    }
    SheetProtection protection;
    protection.on = true;
    if (!password.empty()) {
        protection.hash = password::Hash(password);
    }
    SetProtection(protection);
}

void Worksheet::Unprotect(const std::string& password) {
    if (!m_protection.on) {
        return;
    }
    if (!CheckPassword(password)) {
        throw AutomationError(err::ApplicationDefined,
                              "The password is wrong: the sheet stays protected");
    }
    SetProtection(SheetProtection{});
}

bool Worksheet::CheckPassword(const std::string& text) const {
    if (!m_protection.hash.hashValue.empty()) {
        return password::Verify(text, m_protection.hash);
    }
    if (!m_protection.legacyHash.empty()) {
        return password::VerifyLegacy(text, m_protection.legacyHash);
    }
    return text.empty();
}

void Worksheet::CheckEditable(const CellRect& cells) const {
    if (!m_protection.on) {
        return;
    }
    // Border edges reach one row and column past the sheet; those are no cells.
    const CellRect inside{cells.firstRow, cells.firstColumn,
                          std::min(cells.lastRow, constants::kRowCount - 1),
                          std::min(cells.lastColumn, constants::kColumnCount - 1)};
    if (inside.firstRow > inside.lastRow || inside.firstColumn > inside.lastColumn) {
        return;
    }
    const StyleSummary summary(m_store, inside);
    const StyleMerge& merge = summary.Of(StyleSummary::Cells);
    if (merge.any && (merge.IsMixed(Field::ReadOnly) || merge.first.readOnly)) {
        throw AutomationError(err::ApplicationDefined,
                              "The sheet " + m_strName +
                                  " is protected: its read-only cells cannot be changed");
    }
}

namespace {

// The password argument of "Protect" and "Unprotect": none when left out.
std::string PasswordArg(std::span<const Variant> args) {
    return args.empty() || args[0].IsEmpty() || args[0].IsNull() ? std::string()
                                                                  : args[0].ToString();
}

} // namespace

const MemberTable<Worksheet>& Worksheet::Members() {
    using S = Worksheet;
    static const MemberTable<S> table = [] {
        MemberTable<S> t;
        t.Property("Name", [](S& s, auto) { return Variant(s.m_strName); });
        t.Property("Index", [](S& s, auto) {
            const auto& sheets = s.Book()->Sheets();
            for (size_t i = 0; i < sheets.size(); ++i) {
                if (sheets[i].get() == &s) {
                    return Variant(static_cast<int32_t>(i + 1));
                }
            }
            return Variant(0);
        });
        members::Boolean(t, "DisplayHeadings", &S::m_bDisplayHeadings);
        members::Boolean(t, "DisplayGridlines", &S::m_bDisplayGridlines);
        t.Property(
            "GridlineColor", [](S& s, auto) { return Variant(s.GridlineColor()); },
            [](S& s, auto, const Variant& v) {
                if (!v.IsNull()) {
                    s.SetGridlineColor(values::ToColor(v, "GridlineColor"));
                }
            });
        t.Property(
            "GridlineColorIndex",
            [](S& s, auto) { return values::ColorIndexValue(s.m_uGridlineColor); },
            [](S& s, auto, const Variant& v) {
                if (!v.IsNull()) {
                    s.SetGridlineColor(values::ColorFromIndex(v, "GridlineColorIndex"));
                }
            });
        members::Boolean(t, "DisplayZeros", &S::m_bDisplayZeros);
        t.Property(
            "SplitRow", [](S& s, auto) { return Variant(s.m_nSplitRow); },
            [](S& s, auto, const Variant& v) {
                if (!v.IsNull()) {
                    s.SetSplitRow(values::ToLongIn(v, "SplitRow", 0, constants::kRowCount - 1));
                }
            });
        t.Property(
            "SplitColumn", [](S& s, auto) { return Variant(s.m_nSplitColumn); },
            [](S& s, auto, const Variant& v) {
                if (!v.IsNull()) {
                    s.SetSplitColumn(
                        values::ToLongIn(v, "SplitColumn", 0, constants::kColumnCount - 1));
                }
            });
        // Freezing without a split freezes the rows above and columns left of the active cell.
        t.Property(
            "FreezePanes",
            [](S& s, auto) { return Variant(s.m_nSplitRow != 0 || s.m_nSplitColumn != 0); },
            [](S& s, auto, const Variant& v) {
                if (v.IsNull()) {
                    return;
                }
                if (!values::ToBoolean(v)) {
                    s.SetSplitRow(0);
                    s.SetSplitColumn(0);
                } else if (s.m_nSplitRow == 0 && s.m_nSplitColumn == 0) {
                    if (s.m_view.activeRow == 0 && s.m_view.activeColumn == 0) {
                        throw AutomationError(err::ApplicationDefined,
                                              "Panes freeze above and left of the active cell: "
                                              "choose a cell other than A1");
                    }
                    s.SetSplitRow(s.m_view.activeRow);
                    s.SetSplitColumn(s.m_view.activeColumn);
                }
            });
        t.Property(
            "Visible", [](S& s, auto) { return Variant(s.m_bVisible); },
            [](S& s, auto, const Variant& v) {
                if (!v.IsNull()) {
                    s.SetVisible(values::ToBoolean(v));
                }
            });
        t.Property("ProtectContents", [](S& s, auto) { return Variant(s.m_protection.on); });
        t.Method("Protect", [](S& s, auto args) {
            s.Protect(PasswordArg(args));
            return Variant();
        });
        t.Method("Unprotect", [](S& s, auto args) {
            s.Unprotect(PasswordArg(args));
            return Variant();
        });
        t.Method("CheckPassword", [](S& s, auto args) {
            return Variant(s.CheckPassword(PasswordArg(args)));
        });
        t.Method("Range", [](S& s, auto args) {
            return Variant(s.RangeOf(MemberTable<S>::Arg(args, 0).ToString()));
        });
        t.Property("Cells", [](S& s, auto) { return Variant(s.Cells()); });
        t.Property("Parent", [](S& s, auto) { return Variant(s.Book()); });
        t.Property("Application", [](S& s, auto) { return Variant(s.Book()->App()); });
        return t;
    }();
    return table;
}

std::shared_ptr<Range> Worksheet::RangeOf(const std::string& address) {
    return RangeOf(ParseAddress(address));
}

std::shared_ptr<Range> Worksheet::RangeOf(const CellRect& rect) {
    return std::make_shared<Range>(std::static_pointer_cast<Worksheet>(shared_from_this()), rect);
}

std::shared_ptr<Range> Worksheet::Cells() {
    return RangeOf(WholeSheet());
}

void Worksheet::Record(const CellState& before) {
    Book()->SetSaved(false);
    auto self = std::static_pointer_cast<Worksheet>(shared_from_this());
    Book()->History().Record(UndoChange{[self, before] {
                                            self->m_store.Restore(before);
                                            self->Book()->SetSaved(false);
                                        },
                                        [self, after = m_store.State()] {
                                            self->m_store.Restore(after);
                                            self->Book()->SetSaved(false);
                                        }});
}

void Worksheet::PatchStyles(const std::vector<std::pair<CellRect, StylePatch>>& patches) {
    for (const auto& patch : patches) {
        CheckEditable(patch.first);
    }
    const auto book = Book();
    StyleTable& table = *book->Styles();
    {
        // A patch changes the styles only: the undo step keeps just those, so
        // that its cost does not depend on the values and notes the sheet holds.
        const RunList<ColumnPtr> before = m_store.State().columns;
        std::vector<uint32_t> newIds;
        for (const auto& [rect, patch] : patches) {
            newIds = m_store.PatchStyles(rect, patch);
        }
        // Only a table that has grown past the limit can hold too many styles in
        // use; after a single block, only the block's new styles need not be looked for.
        if (table.RecordCount() > constants::kMaxStyles &&
            (patches.size() == 1 ? book->StylesInUse(*this, patches.front().first, newIds)
                                 : book->StylesInUse()) > constants::kMaxStyles) {
            m_store.RestoreColumns(before);
            throw AutomationError(
                err::ApplicationDefined,
                "Too many different cell formats: a workbook keeps at most 65536");
        }
        book->SetSaved(false);
        auto self = std::static_pointer_cast<Worksheet>(shared_from_this());
        book->History().Record(UndoChange{[self, before] {
                                              self->m_store.RestoreColumns(before);
                                              self->Book()->SetSaved(false);
                                          },
                                          [self, after = m_store.State().columns] {
                                              self->m_store.RestoreColumns(after);
                                              self->Book()->SetSaved(false);
                                          }});
    }
    // Once the state before is let go (unless an undo step keeps it), the
    // styles only it used can be reclaimed.
    table.CollectIfAbove(4 * constants::kMaxStyles);
}

void Worksheet::RemapStyles(const std::function<uint32_t(uint32_t)>& newIdOf) {
    const RunList<ColumnPtr> before = m_store.State().columns;
    m_store.RemapStyles(newIdOf);
    Book()->SetSaved(false);
    auto self = std::static_pointer_cast<Worksheet>(shared_from_this());
    Book()->History().Record(UndoChange{[self, before] {
                                            self->m_store.RestoreColumns(before);
                                            self->Book()->SetSaved(false);
                                        },
                                        [self, after = m_store.State().columns] {
                                            self->m_store.RestoreColumns(after);
                                            self->Book()->SetSaved(false);
                                        }});
}

void Worksheet::SetUpStyles(const std::vector<std::pair<CellRect, StylePatch>>& patches) {
    for (const auto& [rect, patch] : patches) {
        m_store.PatchStyles(rect, patch);
    }
}

void Worksheet::LoadColumnStyles(int32_t column,
                                 const std::vector<std::pair<int32_t, Style>>& runs) {
    StyleTable& table = *Book()->Styles();
    std::vector<std::pair<int32_t, uint32_t>> ids;
    for (const auto& [end, style] : runs) {
        ids.emplace_back(end, table.Intern(style));
    }
    m_store.LoadColumn(column, ids);
    Book()->History().Clear();
}

void Worksheet::LoadColumnStyleIds(int32_t first, int32_t last,
                                   const std::vector<std::pair<int32_t, uint32_t>>& runs) {
    m_store.LoadColumns(first, last, runs);
    Book()->History().Clear();
}

void Worksheet::SetView(const SheetView& view) {
    const CellRect& s = view.selection;
    if (s.firstRow < 0 || s.firstColumn < 0 || s.firstRow > s.lastRow ||
        s.firstColumn > s.lastColumn || s.lastRow >= constants::kRowCount ||
        s.lastColumn >= constants::kColumnCount || view.activeRow < 0 ||
        view.activeColumn < 0 || view.activeRow >= constants::kRowCount ||
        view.activeColumn >= constants::kColumnCount || view.topRow < 0 || view.leftColumn < 0 ||
        view.topRow >= constants::kRowCount || view.leftColumn >= constants::kColumnCount) {
        throw AutomationError(err::ApplicationDefined, "The view lies outside the sheet");
    }
    m_view = view;
}

void Worksheet::ChangeCells(const CellRect& cells,
                            const std::function<void(CellStore&)>& edit) {
    CheckEditable(cells);
    ChangeCells(edit);
}

void Worksheet::ChangeCells(const std::function<void(CellStore&)>& edit) {
    const CellState before = m_store.State();
    try {
        edit(m_store);
    } catch (...) {
        m_store.Restore(before);
        throw;
    }
    Record(before);
}

} // namespace vantor::model
