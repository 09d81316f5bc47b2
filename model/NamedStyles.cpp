#include "model/NamedStyles.hpp"

#include "model/CellStyle.hpp"
#include "model/PropertyValues.hpp"
#include "model/StyleTable.hpp"
#include "model/UndoHistory.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "vantor/automation/TextFunctions.hpp"

namespace vantor::model {

namespace {

// The built-in styles after "Normal" and their number formats: the
// accounting codes with two and no decimals, and the currency codes with the
// symbol the number format page offers first.
constexpr std::pair<const char*, const char*> kBuiltInFormats[] = {
    {"Percent", "0%"},
    {"Comma", "_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)"},
    {"Comma [0]", "_(* #,##0_);_(* (#,##0);_(* \"-\"_);_(@_)"},
    {"Currency", "\xE2\x82\xAC#,##0.00"},
    {"Currency [0]", "\xE2\x82\xAC#,##0"},
};

} // namespace

NamedStyles::NamedStyles(const std::shared_ptr<Workbook>& book) : m_pBook(book) {
    constexpr unsigned kAll = (1u << CellStyle::IncludeCount) - 1;
    Create("Normal", true, kAll);
    StyleTable& table = *book->Styles();
    for (const auto& [name, code] : kBuiltInFormats) {
        const auto style = Create(name, true, 1u << CellStyle::Number);
        Style format = table.Default();
        format.numberFormat = table.NumberFormats().Intern(code);
        style->SetUpFormat(format, BorderLine{}, BorderLine{});
    }
}

std::shared_ptr<CellStyle> NamedStyles::Create(const std::string& name, bool builtIn,
                                               unsigned includes) {
    const auto book = m_pBook.lock();
    auto style = std::make_shared<CellStyle>(Worksheet::Create(book, "Style " + name), m_nNextId++,
                                             name, builtIn, includes);
    m_styles.push_back(style);
    return style;
}

std::shared_ptr<CellStyle> NamedStyles::Find(const std::string& name) const {
    for (const auto& style : m_styles) {
        if (EqualsIgnoreCase(style->Name(), name)) {
            return style;
        }
    }
    return nullptr;
}

std::shared_ptr<CellStyle> NamedStyles::ById(uint32_t id) const {
    for (const auto& style : m_styles) {
        if (style->Id() == id) {
            return style;
        }
    }
    return nullptr;
}

std::string NamedStyles::NameOf(uint32_t id) const {
    const auto style = ById(id);
    return style ? style->Name() : m_styles.front()->Name();
}

void NamedStyles::Record(const std::vector<std::shared_ptr<CellStyle>>& before) {
    auto self = std::static_pointer_cast<NamedStyles>(shared_from_this());
    m_pBook.lock()->History().Record(UndoChange{[self, before] { self->m_styles = before; },
                                                [self, after = m_styles] { self->m_styles = after; }});
}

std::shared_ptr<CellStyle> NamedStyles::Add(const std::string& name, const Range* from) {
    const std::string trimmed = Trim(name);
    if (trimmed.empty()) {
        throw AutomationError(err::ApplicationDefined, "A style needs a name");
    }
    if (Find(trimmed)) {
        throw AutomationError(err::ApplicationDefined,
                              "The workbook already has a style named " + trimmed);
    }
    const auto book = m_pBook.lock();
    const UndoHistory::Scope step(book->History(), "Add Style");
    const auto before = m_styles;
    const auto style = Create(trimmed, false, (1u << CellStyle::IncludeCount) - 1);
    if (from != nullptr) {
        const CellStore& store = from->Sheet()->Store();
        const CellRect& r = from->Rect();
        const StyleTable& table = store.Table();
        style->SetUpFormat(table.Get(store.StyleAt(r.firstRow, r.firstColumn)),
                           table.Get(store.StyleAt(r.firstRow + 1, r.firstColumn)).top,
                           table.Get(store.StyleAt(r.firstRow, r.firstColumn + 1)).left);
    } else {
        style->SetUpFormat(m_styles.front()->Format(), m_styles.front()->BottomEdge(),
                           m_styles.front()->RightEdge());
    }
    Record(before);
    book->SetSaved(false);
    return style;
}

void NamedStyles::Delete(const std::shared_ptr<CellStyle>& style) {
    if (style->BuiltIn()) {
        throw AutomationError(err::ApplicationDefined,
                              "The built-in style " + style->Name() + " cannot be deleted");
    }
    const auto book = m_pBook.lock();
    const UndoHistory::Scope step(book->History(), "Delete Style");
    StyleTable& table = *book->Styles();
    const uint32_t id = style->Id();
    for (const auto& sheet : book->Sheets()) {
        sheet->RemapStyles([&](uint32_t styleId) {
            if (table.Get(styleId).styleName != id) {
                return styleId;
            }
            Style normal = table.Get(styleId);
            normal.styleName = 0;
            return table.Intern(normal);
        });
    }
    const auto before = m_styles;
    std::erase(m_styles, style);
    Record(before);
    book->SetSaved(false);
}

uint32_t NamedStyles::Load(const std::string& name, const Style& format, const BorderLine& bottom,
                           const BorderLine& right, unsigned includes) {
    auto style = Find(name);
    if (!style) {
        style = Create(name, false, includes);
    } else {
        for (int g = 0; g < CellStyle::IncludeCount; ++g) {
            style->LoadIncludes(static_cast<CellStyle::Include>(g), ((includes >> g) & 1) != 0);
        }
    }
    style->SetUpFormat(format, bottom, right);
    return style->Id();
}

std::vector<Variant> NamedStyles::Enumerate() {
    std::vector<Variant> items;
    for (const auto& style : m_styles) {
        items.emplace_back(style);
    }
    return items;
}

const MemberTable<NamedStyles>& NamedStyles::Members() {
    using N = NamedStyles;
    static const MemberTable<N> table = [] {
        MemberTable<N> t;
        t.Property("Count",
                   [](N& n, auto) { return Variant(static_cast<int32_t>(n.m_styles.size())); });
        t.Method("Item", [](N& n, auto args) {
            const Variant& which = MemberTable<N>::Arg(args, 0);
            if (which.IsString()) {
                const auto style = n.Find(which.ToString());
                if (!style) {
                    throw AutomationError(err::SubscriptOutOfRange,
                                          "The workbook has no style named " + which.ToString());
                }
                return Variant(style);
            }
            const int32_t index = which.ToLong();
            if (index < 1 || static_cast<size_t>(index) > n.m_styles.size()) {
                throw AutomationError(err::SubscriptOutOfRange);
            }
            return Variant(n.m_styles[static_cast<size_t>(index - 1)]);
        });
        // Add(Name, [cells whose first cell gives the format], [included groups:
        // bit g for group g in the order of the Include* members]).
        t.Method("Add", [](N& n, auto args) {
            const std::string name = MemberTable<N>::Arg(args, 0).ToString();
            std::shared_ptr<Range> from;
            if (args.size() > 1 && args[1].IsObject()) {
                from = args[1].ToObject().template As<Range>();
                if (!from) {
                    throw AutomationError(err::TypeMismatch);
                }
            }
            const auto book = n.m_pBook.lock();
            const UndoHistory::Scope step(book->History(), "Add Style");
            const auto style = n.Add(name, from.get());
            if (args.size() > 2 && !args[2].IsEmpty() && !args[2].IsNull()) {
                const int32_t mask = values::ToLongIn(args[2], "Includes", 0, 127);
                for (int g = 0; g < CellStyle::IncludeCount; ++g) {
                    style->SetIncludes(static_cast<CellStyle::Include>(g), (mask >> g) & 1);
                }
            }
            return Variant(style);
        });
        return t;
    }();
    return table;
}

} // namespace vantor::model
