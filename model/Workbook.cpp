#include "model/Workbook.hpp"

#include "model/Application.hpp"
#include "model/CellStore.hpp"
#include "model/NamedStyles.hpp"
#include "model/PropertyMembers.hpp"
#include "model/PropertyValues.hpp"
#include "model/SheetSelection.hpp"
#include "model/StyleTable.hpp"
#include "model/UndoHistory.hpp"
#include "model/WorkbookSource.hpp"
#include "model/Worksheet.hpp"
#include "model/numfmt/DecimalNumber.hpp"
#include "model/numfmt/FormatCode.hpp"
#include "vantor/automation/Enumerations.hpp"
#include "vantor/automation/TextFunctions.hpp"

#include <algorithm>
#include <cfloat>
#include <cstdlib>
#include <map>
#include <optional>
#include <unordered_set>

namespace vantor::model {

namespace {

constexpr int32_t kCalculationModes[] = {enums::Calculation::Automatic, enums::Calculation::Manual};

// A for-each collection over the sheets: "Count" and "Item" by 1-based index or name.
class SheetList : public DispatchObject<SheetList> {
public:
    explicit SheetList(std::shared_ptr<Workbook> book) : m_pBook(std::move(book)) {}
    std::string TypeName() const override { return "Sheets"; }
    static const MemberTable<SheetList>& Members() {
        static const MemberTable<SheetList> table = [] {
            MemberTable<SheetList> t;
            t.Property("Count", [](SheetList& s, auto) {
                return Variant(static_cast<int32_t>(s.m_pBook->Sheets().size()));
            });
            t.Method("Item", [](SheetList& s, auto args) {
                const Variant& which = MemberTable<SheetList>::Arg(args, 0);
                if (which.IsString()) {
                    return Variant(s.m_pBook->Sheet(which.ToString()));
                }
                return Variant(s.m_pBook->Sheet(which.ToLong() - 1));
            });
            return t;
        }();
        return table;
    }
    std::vector<Variant> Enumerate() override {
        std::vector<Variant> items;
        for (const auto& sheet : m_pBook->Sheets()) {
            items.emplace_back(sheet);
        }
        return items;
    }

private:
    std::shared_ptr<Workbook> m_pBook;
};

// The number as a format code shows it, or nothing when the code shows no
// fixed number of decimals (General, fractions, dates, text, conditions) or
// the value is no number.
std::optional<double> AsDisplayed(const numfmt::FormatCode& code, const Variant& value) {
    const VarType type = value.Type();
    if (type != VarType::Double && type != VarType::Single && type != VarType::Long &&
        type != VarType::Integer) {
        return std::nullopt;
    }
    const double number = value.ToDouble();
    const auto& sections = code.NumberSections();
    if (sections.empty() || number == 0.0) {
        return std::nullopt;
    }
    const size_t which = number < 0 && sections.size() >= 2 ? 1 : 0;
    const numfmt::FormatSection& section = sections[which];
    if (section.m_kind != numfmt::SectionKind::Number ||
        section.m_conditionOp != numfmt::CompareOp::None ||
        (section.m_hasExponent && section.m_integerDigits > 1)) {
        return std::nullopt;
    }
    numfmt::DecimalNumber digits =
        numfmt::DecimalNumber::FromDouble(std::abs(number), section.m_hasExponent ? 0 : section.m_scalePower);
    // A scientific code shows its mantissa's digits: one before the point and the decimals.
    digits.RoundToDecimals(section.m_hasExponent
                               ? section.m_decimalDigits + 1 - digits.PointPosition()
                               : section.m_decimalDigits);
    if (!section.m_hasExponent) {
        digits.Shift(-section.m_scalePower);
    }
    std::string text = "0.";
    for (int i = 0; i < digits.DigitCount(); ++i) {
        text += digits.Digit(i);
    }
    text += "e" + std::to_string(digits.PointPosition());
    const double rounded = digits.IsZero() ? 0.0 : std::strtod(text.c_str(), nullptr);
    return number < 0 ? -rounded : rounded;
}

// Rounds the sheet's numbers to what their formats show, as one change.
void RoundToDisplay(Worksheet& sheet) {
    const StyleTable& table = sheet.Store().Table();
    std::map<uint32_t, std::shared_ptr<const numfmt::FormatCode>> codes;
    std::vector<std::pair<CellKey, double>> rounded;
    const CellStore& store = sheet.Store();
    store.ForEachValue(WholeSheet(), [&](CellKey key, const Variant& value) {
        const int32_t row = RowOf(key), column = ColumnOf(key);
        if (store.FormulaAt(row, column) != nullptr) {
            return; // a formula's value is calculated, not kept
        }
        const uint32_t id = table.Get(store.StyleAt(row, column)).numberFormat;
        auto found = codes.find(id);
        if (found == codes.end()) {
            found = codes.emplace(id, numfmt::FormatCode::Compile(table.NumberFormats().Text(id)).Code())
                        .first;
        }
        if (found->second) {
            const std::optional<double> shown = AsDisplayed(*found->second, value);
            if (shown && *shown != value.ToDouble()) {
                rounded.emplace_back(key, *shown);
            }
        }
    });
    if (!rounded.empty()) {
        sheet.ChangeCells([&](CellStore& cells) {
            for (const auto& [key, number] : rounded) {
                const int32_t row = RowOf(key), column = ColumnOf(key);
                cells.SetValue(CellRect{row, column, row, column}, Variant(number));
            }
        });
    }
}

} // namespace

std::shared_ptr<Workbook> Workbook::Create(const std::shared_ptr<Application>& app,
                                           std::string name) {
    auto book = std::shared_ptr<Workbook>(new Workbook(app, std::move(name)));
    book->m_pNamedStyles = std::make_shared<NamedStyles>(book);
    return book;
}

Workbook::Workbook(const std::shared_ptr<Application>& app, std::string name)
    : m_pApp(app), m_pStyles(std::make_shared<StyleTable>(app->DefaultFontName())),
      m_strName(std::move(name)) {}

UndoHistory& Workbook::History() const {
    // Held through the application: undo steps hold workbooks, so a workbook
    // holding the history would keep both alive for ever.
    const auto app = m_pApp.lock();
    if (!app) {
        throw AutomationError(err::ApplicationDefined,
                              "The application of this workbook is closed");
    }
    return *app->History();
}

template <typename T> void Workbook::Change(T Workbook::*member, T value) {
    const T old = this->*member;
    if (old == value) {
        return;
    }
    this->*member = value;
    m_bSaved = false;
    auto self = std::static_pointer_cast<Workbook>(shared_from_this());
    History().Record(UndoChange{[self, member, old] {
                                    (*self).*member = old;
                                    self->m_bSaved = false;
                                },
                                [self, member, value] {
                                    (*self).*member = value;
                                    self->m_bSaved = false;
                                }});
}

void Workbook::SetPrecisionAsDisplayed(bool value) {
    if (!value || m_bPrecisionAsDisplayed) {
        Change(&Workbook::m_bPrecisionAsDisplayed, value);
        return;
    }
    UndoHistory& history = History();
    history.BeginGroup("Precision as displayed");
    try {
        for (const auto& sheet : m_sheets) {
            RoundToDisplay(*sheet);
        }
        Change(&Workbook::m_bPrecisionAsDisplayed, true);
    } catch (...) {
        history.EndGroup();
        throw;
    }
    history.EndGroup();
}

const MemberTable<Workbook>& Workbook::Members() {
    using W = Workbook;
    static const MemberTable<W> table = [] {
        MemberTable<W> t;
        t.Property("Name", [](W& w, auto) { return Variant(w.m_strName); });
        t.Property("FullName", [](W& w, auto) { return Variant(w.FullName()); });
        members::Boolean(t, "DisplayHorizontalScrollBar", &W::m_bDisplayHorizontalScrollBar);
        members::Boolean(t, "DisplayVerticalScrollBar", &W::m_bDisplayVerticalScrollBar);
        members::Boolean(t, "DisplayWorkbookTabs", &W::m_bDisplayWorkbookTabs);
        members::Choice(t, "Calculation", &W::m_nCalculation, kCalculationModes);
        members::Boolean(t, "Iteration", &W::m_bIteration);
        members::LongIn(t, "MaxIterations", &W::m_nMaxIterations, 1, 32767);
        t.Property(
            "MaxChange", [](W& w, auto) { return Variant(w.m_dMaxChange); },
            [](W& w, auto, const Variant& v) {
                if (!v.IsNull()) {
                    w.Change(&W::m_dMaxChange, values::ToDoubleIn(v, "MaxChange", 0.0, DBL_MAX));
                }
            });
        t.Method("Calculate", [](W& w, auto) {
            ++w.m_nCalculations;
            return Variant();
        });
        // Each sheet's view keeps it; the workbook reads Null where they differ.
        t.Property(
            "DisplayZeros",
            [](W& w, auto) {
                for (const auto& sheet : w.m_sheets) {
                    if (sheet->DisplayZeros() != w.m_sheets.front()->DisplayZeros()) {
                        return Variant::Null();
                    }
                }
                return Variant(w.m_sheets.empty() || w.m_sheets.front()->DisplayZeros());
            },
            [](W& w, auto, const Variant& v) {
                if (!v.IsNull()) {
                    const bool value = values::ToBoolean(v);
                    for (const auto& sheet : w.m_sheets) {
                        sheet->SetDisplayZeros(value);
                    }
                }
            });
        t.Property(
            "PrecisionAsDisplayed", [](W& w, auto) { return Variant(w.m_bPrecisionAsDisplayed); },
            [](W& w, auto, const Variant& v) {
                if (!v.IsNull()) {
                    w.SetPrecisionAsDisplayed(values::ToBoolean(v));
                }
            });
        members::Boolean(t, "DisplayErrors", &W::m_bDisplayErrors);
        members::LongIn(t, "CommentMode", &W::m_nCommentMode, 0, 3);
        members::Boolean(t, "Date1904", &W::m_bDate1904);
        t.Property(
            "Saved", [](W& w, auto) { return Variant(w.m_bSaved); },
            [](W& w, auto, const Variant& v) {
                if (!v.IsNull()) {
                    w.m_bSaved = values::ToBoolean(v);
                }
            });
        t.Property("Sheets", [](W& w, auto) {
            return Variant(
                std::make_shared<SheetList>(std::static_pointer_cast<W>(w.shared_from_this())));
        });
        t.Property("Worksheets", [](W& w, auto) {
            return Variant(
                std::make_shared<SheetList>(std::static_pointer_cast<W>(w.shared_from_this())));
        });
        t.Property("Styles", [](W& w, auto) { return Variant(w.m_pNamedStyles); });
        t.Property("ActiveSheet", [](W& w, auto) {
            return w.m_pActiveSheet ? Variant(w.m_pActiveSheet) : Variant::Nothing();
        });
        t.Property("Application", [](W& w, auto) {
            const auto app = w.App();
            return app ? Variant(app) : Variant::Nothing();
        });
        return t;
    }();
    return table;
}

std::shared_ptr<Worksheet> Workbook::AddSheet(const std::string& name) {
    const std::string trimmed = Trim(name);
    if (trimmed.empty() || CharCount(trimmed) > 31 ||
        trimmed.find_first_of(":\\/?*[]") != std::string::npos) {
        throw AutomationError(err::ApplicationDefined,
                              "A sheet name has 1 to 31 characters and none of : \\ / ? * [ ]");
    }
    for (const auto& sheet : m_sheets) {
        if (EqualsIgnoreCase(sheet->Name(), trimmed)) {
            throw AutomationError(err::ApplicationDefined,
                                  "The workbook already has a sheet named " + trimmed);
        }
    }
    auto sheet = Worksheet::Create(std::static_pointer_cast<Workbook>(shared_from_this()), trimmed);
    m_sheets.push_back(sheet);
    if (!m_pActiveSheet) {
        m_pActiveSheet = sheet;
    }
    return sheet;
}

std::shared_ptr<Worksheet> Workbook::Sheet(int32_t index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_sheets.size()) {
        throw AutomationError(err::SubscriptOutOfRange);
    }
    return m_sheets[static_cast<size_t>(index)];
}

std::shared_ptr<Worksheet> Workbook::Sheet(const std::string& name) const {
    for (const auto& sheet : m_sheets) {
        if (EqualsIgnoreCase(sheet->Name(), name)) {
            return sheet;
        }
    }
    throw AutomationError(err::SubscriptOutOfRange, "The workbook has no sheet named " + name);
}

std::shared_ptr<SheetSelection>
Workbook::SelectSheets(const std::vector<std::string>& names) const {
    std::vector<std::shared_ptr<Worksheet>> sheets;
    for (const auto& name : names) {
        sheets.push_back(Sheet(name));
    }
    return std::make_shared<SheetSelection>(std::move(sheets));
}

size_t Workbook::StylesInUse() const {
    return m_sheets.empty() ? 1 : StylesInUse(*m_sheets.front(), CellRect{0, 0, -1, -1}, {});
}

size_t Workbook::StylesInUse(const Worksheet& sheet, const CellRect& block,
                             const std::vector<uint32_t>& blockIds) const {
    std::vector<uint8_t> used(m_pStyles->IdLimit(), 0);
    used[0] = 1;
    for (const uint32_t id : blockIds) {
        used[id] = 1;
    }
    for (const auto& other : m_sheets) {
        if (other.get() == &sheet) {
            other->Store().MarkStylesOutside(block, used);
        } else {
            other->Store().MarkStyles(used);
        }
    }
    return static_cast<size_t>(std::count(used.begin(), used.end(), uint8_t{1}));
}

} // namespace vantor::model
