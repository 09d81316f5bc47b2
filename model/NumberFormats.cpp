#include "model/NumberFormats.hpp"

#include "model/Application.hpp"
#include "model/FormatCodeProblem.hpp"
#include "model/NumberFormatCheck.hpp"
#include "model/StyleTable.hpp"
#include "model/Workbook.hpp"

namespace vantor::model {

namespace {

// "General" is kept as "", the code the number format page builds for it.
std::string Normalised(const std::string& code) {
    return EqualsIgnoreCase(code, "General") ? std::string() : code;
}

} // namespace

const std::vector<std::string>& NumberFormats::BuiltInCodes() {
    static const std::vector<std::string> codes = {
        // General
        "",
        // Number
        "0",
        "0.00",
        "#,##0",
        "#,##0.00",
        "#,##0;-#,##0",
        "#,##0.00;-#,##0.00",
        "#,##0;[Red]-#,##0",
        "#,##0.00;[Red]-#,##0.00",
        // Currency, for each of the symbols the number format page offers
        "$#,##0",
        "$#,##0.00",
        "$#,##0.00;[Red]-$#,##0.00",
        "€#,##0",
        "€#,##0.00",
        "€#,##0.00;[Red]-€#,##0.00",
        "¥#,##0",
        "¥#,##0.00",
        "¥#,##0.00;[Red]-¥#,##0.00",
        // Scientific
        "0.00E+00",
        "0E+00",
        "##0.0E+0",
        // Date
        "m/d/yyyy",
        "yyyy-mm-dd",
        "d-mmm-yy",
        "d-mmm",
        "mmm-yy",
        "mmmm d, yyyy",
        "dddd, mmmm d, yyyy",
        "m/d/yy h:mm",
        // Time
        "h:mm",
        "h:mm:ss",
        "h:mm AM/PM",
        "h:mm:ss AM/PM",
        "[h]:mm:ss",
        "mm:ss",
        "mm:ss.0",
        // Percent
        "0%",
        "0.00%",
        // Fractions
        "# ?/?",
        "# ?\?/?\?",
        "# ?\?\?/?\?\?",
        "# ?/2",
        "# ?/4",
        "# ?/8",
        "# ?\?/16",
        "# ?/10",
        "# ?\?/100",
        // Text
        "@",
        // Custom
        "#,##0_);(#,##0)",
        "#,##0.00_);[Red](#,##0.00)",
        "0.0\" kg\"",
        "[<1000]0;[<1000000]0.0,\" K\";0.0,,\" M\"",
        "_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)",
    };
    return codes;
}

NumberFormats::NumberFormats(std::weak_ptr<Application> app) : m_pApp(std::move(app)) {
    for (const std::string& code : BuiltInCodes()) {
        Add(code);
    }
}

std::shared_ptr<const numfmt::FormatCode> NumberFormats::Compile(const std::string& code) {
    const numfmt::CompileResult result = m_cache.Get(Normalised(code));
    if (!result.Ok()) {
        throw AutomationError(err::ApplicationDefined,
                              "Number format \"" + code +
                                  "\" is not valid: " + result.Error().Description());
    }
    return result.Code();
}

std::shared_ptr<NumberFormatObject> NumberFormats::Find(const std::string& code) {
    TakeWorkbookCodes();
    const auto it = m_byCode.find(Normalised(code));
    return it == m_byCode.end() ? nullptr : m_formats[it->second];
}

std::shared_ptr<NumberFormatObject> NumberFormats::Add(const std::string& code) {
    const std::string kept = Normalised(code);
    if (const auto it = m_byCode.find(kept); it != m_byCode.end()) {
        return m_formats[it->second];
    }
    auto format = std::make_shared<NumberFormatObject>(Compile(kept));
    m_byCode.emplace(kept, m_formats.size());
    m_formats.push_back(format);
    return format;
}

void NumberFormats::TakeWorkbookCodes() {
    const auto app = m_pApp.lock();
    if (app == nullptr) {
        return;
    }
    for (const auto& book : app->Workbooks()) {
        const StringPool& codes = book->Styles()->NumberFormats();
        for (uint32_t id = 0; id < codes.Count(); ++id) {
            if (!m_byCode.contains(codes.Text(id))) {
                Add(codes.Text(id));
            }
        }
    }
}

std::vector<Variant> NumberFormats::Enumerate() {
    TakeWorkbookCodes();
    return std::vector<Variant>(m_formats.begin(), m_formats.end());
}

const MemberTable<NumberFormats>& NumberFormats::Members() {
    static const MemberTable<NumberFormats> table = [] {
        using T = MemberTable<NumberFormats>;
        T t;
        t.Property("Count", [](NumberFormats& n, auto) {
            n.TakeWorkbookCodes();
            return Variant(static_cast<int32_t>(n.m_formats.size()));
        });
        t.Method("Item", [](NumberFormats& n, auto args) {
            return Variant(ObjectRef(n.Find(T::Arg(args, 0).ToString())));
        });
        t.Method("Add", [](NumberFormats& n, auto args) {
            return Variant(ObjectRef(n.Add(T::Arg(args, 0).ToString())));
        });
        // Changes nothing: Empty for a code cells accept, else what is wrong and where.
        t.Method("Check", [](NumberFormats&, auto args) {
            const std::optional<numfmt::FormatError> problem =
                numberformat::ProblemOf(T::Arg(args, 0).ToString());
            return problem ? Variant(ObjectRef(std::make_shared<FormatCodeProblem>(*problem))) : Variant();
        });
        t.Method("Format", [](NumberFormats& n, auto args) {
            const std::string code = T::Arg(args, 0).ToString();
            const auto known = n.Find(code);
            return (known ? *known : NumberFormatObject(n.Compile(code))).Format(T::Arg(args, 1));
        });
        return t;
    }();
    return table;
}

} // namespace vantor::model
