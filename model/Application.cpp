#include "model/Application.hpp"

#include "model/NumberFormats.hpp"

#include "model/ControlKinds.hpp"
#include "model/FileAssociation.hpp"
#include "model/Style.hpp"
#include "model/FontCatalog.hpp"
#include "model/PropertyMembers.hpp"
#include "model/PropertyValues.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "vantor/automation/Enumerations.hpp"

namespace vantor::model {

namespace {

constexpr int32_t kDirections[] = {enums::Direction::Up, enums::Direction::Left,
                                   enums::Direction::Right, enums::Direction::Down};

} // namespace

std::shared_ptr<Application> Application::Create() {
    return Create(fonts::InstalledFamilies());
}

std::shared_ptr<Application> Application::Create(std::vector<std::string> fontFamilies) {
    return std::shared_ptr<Application>(new Application(std::move(fontFamilies)));
}

Application::Application(std::vector<std::string> fontFamilies)
    : m_fonts(fonts::DistinctFamilies(std::move(fontFamilies))),
      m_strDefaultFont(fonts::ChooseDefaultFont(m_fonts)),
      m_pHistory(std::make_shared<UndoHistory>()), m_pControls(std::make_shared<ControlKinds>()),
      m_uDefaultGridlineColor(kAutoColor) {}

template <typename T> void Application::Change(T Application::*member, T value) {
    const T old = this->*member;
    if (old == value) {
        return;
    }
    this->*member = value;
    // The history belongs to this application, which outlives it.
    m_pHistory->Record(UndoChange{[this, member, old] { this->*member = old; },
                                  [this, member, value] { this->*member = value; }});
}

const MemberTable<Application>& Application::Members() {
    using A = Application;
    static const MemberTable<A> table = [] {
        MemberTable<A> t;
        t.Property("ActiveWorkbook", [](A& a, auto) {
            return a.m_pActive ? Variant(a.m_pActive) : Variant::Nothing();
        });
        t.Property("ActiveSheet", [](A& a, auto) {
            const auto sheet = a.ActiveSheet();
            return sheet ? Variant(sheet) : Variant::Nothing();
        });
        members::LongIn(t, "SheetsInNewWorkbook", &A::m_nSheetsInNewWorkbook, 1, 255);
        // The undo settings are not themselves undone.
        t.Property(
            "EnableUndo", [](A& a, auto) { return Variant(a.m_pHistory->Enabled()); },
            [](A& a, auto, const Variant& v) {
                if (!v.IsNull()) {
                    a.m_pHistory->SetEnabled(values::ToBoolean(v));
                }
            });
        t.Property(
            "UndoMaxNum", [](A& a, auto) { return Variant(a.m_pHistory->MaxSteps()); },
            [](A& a, auto, const Variant& v) {
                if (!v.IsNull()) {
                    a.m_pHistory->SetMaxSteps(values::ToLongIn(v, "UndoMaxNum", 1, 512));
                }
            });
        members::Boolean(t, "MoveAfterReturn", &A::m_bMoveAfterReturn);
        members::Choice(t, "MoveAfterReturnDirection", &A::m_nMoveAfterReturnDirection,
                        kDirections);
        members::Boolean(t, "FixedDecimal", &A::m_bFixedDecimal);
        members::LongIn(t, "FixedDecimalPlaces", &A::m_nFixedDecimalPlaces, -300, 300);
        // The association is the desktop's, not an undo step.
        t.Property(
            "FileAssoc",
            [](A& a, auto) {
                return Variant(a.m_pFileAssociation ? a.m_pFileAssociation->IsOn()
                                                    : a.m_bFileAssoc);
            },
            [](A& a, auto, const Variant& v) {
                if (v.IsNull()) {
                    return;
                }
                const bool on = values::ToBoolean(v);
                if (a.m_pFileAssociation) {
                    a.m_pFileAssociation->Set(on);
                } else {
                    a.m_bFileAssoc = on;
                }
            });
        members::Boolean(t, "DefaultDisplayGridlines", &A::m_bDefaultDisplayGridlines);
        t.Property(
            "DefaultGridlineColor",
            [](A& a, auto) {
                return values::ColorValue(a.m_uDefaultGridlineColor,
                                          enums::GridlineColor::Automatic);
            },
            [](A& a, auto, const Variant& v) {
                if (!v.IsNull()) {
                    a.Change(&A::m_uDefaultGridlineColor,
                             values::ToColor(v, "DefaultGridlineColor"));
                }
            });
        t.Property(
            "DefaultGridlineColorIndex",
            [](A& a, auto) { return values::ColorIndexValue(a.m_uDefaultGridlineColor); },
            [](A& a, auto, const Variant& v) {
                if (!v.IsNull()) {
                    a.Change(&A::m_uDefaultGridlineColor,
                             values::ColorFromIndex(v, "DefaultGridlineColorIndex"));
                }
            });
        t.Property("Controls", [](A& a, auto) { return Variant(a.m_pControls); });
        t.Property("NumberFormats", [](A& a, auto) { return Variant(a.NumberFormatList()); });
        t.Property("Application", [](A& a, auto) { return Variant(a.shared_from_this()); });
        t.Method("Range", [](A& a, auto args) {
            return Variant(a.RangeOf(MemberTable<A>::Arg(args, 0).ToString()));
        });
        t.Method("Undo", [](A& a, auto) {
            a.Undo();
            return Variant();
        });
        t.Method("Redo", [](A& a, auto) {
            a.Redo();
            return Variant();
        });
        return t;
    }();
    return table;
}

int32_t Application::InstalledFontCount() const {
    return static_cast<int32_t>(m_fonts.size());
}

std::string Application::InstalledFontName(int32_t index) const {
    if (index < 0 || index >= InstalledFontCount()) {
        throw AutomationError(err::SubscriptOutOfRange);
    }
    return m_fonts[static_cast<size_t>(index)];
}

std::shared_ptr<Workbook> Application::AddWorkbook(const std::string& name) {
    auto book = Workbook::Create(std::static_pointer_cast<Application>(shared_from_this()), name);
    for (int32_t i = 1; i <= m_nSheetsInNewWorkbook; ++i) {
        book->AddSheet("Sheet" + std::to_string(i))
            ->TakeNewSheetDefaults(m_bDefaultDisplayGridlines, m_uDefaultGridlineColor);
    }
    m_workbooks.push_back(book);
    m_pActive = book;
    return book;
}

void Application::AddExistingWorkbook(const std::shared_ptr<Workbook>& book) {
    if (book->App().get() != this) {
        throw AutomationError(err::ApplicationDefined,
                              "The workbook belongs to another application");
    }
    m_workbooks.push_back(book);
    m_pActive = book;
}

std::shared_ptr<Workbook> Application::ActiveWorkbook() const {
    return m_pActive;
}

void Application::ActivateWorkbook(const std::shared_ptr<Workbook>& book) {
    m_pActive = book;
}

std::shared_ptr<Worksheet> Application::ActiveSheet() const {
    return m_pActive ? m_pActive->ActiveSheet() : nullptr;
}

std::shared_ptr<Range> Application::RangeOf(const std::string& address) const {
    if (!m_pActive) {
        throw AutomationError(err::ApplicationDefined, "There is no workbook open");
    }
    const size_t bang = address.rfind('!');
    if (bang == std::string::npos) {
        const auto sheet = ActiveSheet();
        if (!sheet) {
            throw AutomationError(err::ApplicationDefined, "The workbook has no sheet");
        }
        return sheet->RangeOf(address);
    }
    std::string sheetName = address.substr(0, bang);
    if (sheetName.size() >= 2 && sheetName.front() == '\'' && sheetName.back() == '\'') {
        // A quoted name doubles the apostrophes it holds.
        std::string unquoted;
        for (size_t i = 1; i + 1 < sheetName.size(); ++i) {
            unquoted += sheetName[i];
            if (sheetName[i] == '\'' && sheetName[i + 1] == '\'' && i + 2 < sheetName.size()) {
                ++i;
            }
        }
        sheetName = unquoted;
    }
    return m_pActive->Sheet(sheetName)->RangeOf(address.substr(bang + 1));
}

const std::shared_ptr<NumberFormats>& Application::NumberFormatList() {
    if (m_pNumberFormats == nullptr) {
        m_pNumberFormats = std::make_shared<NumberFormats>(
            std::static_pointer_cast<Application>(shared_from_this()));
    }
    return m_pNumberFormats;
}

} // namespace vantor::model
