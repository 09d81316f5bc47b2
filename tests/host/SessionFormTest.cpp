#include "host/Session.hpp"
#include "host/VantorCommand.hpp"
#include "vantor/dialogs/CellStyleName.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/TextBox.hpp"

#include <gtest/gtest.h>

#include <sstream>

using namespace vantor;
using namespace vantor::host;

namespace {

// A form that asks for a name and remembers how it was closed.
class NameForm : public Form {
public:
    NameForm() : Form("Name", {0, 0, 3000, 1000}) {
        SetName("NameForm");
        cmdOK->SetDefault(true);
        cmdCancel->SetCancel(true);
        cmdOK->On(ev::Click, [this](EventArgs&) {
            closedBy.push_back("ok " + txtName->Text());
            Unload();
        });
        cmdCancel->On(ev::Click, [this](EventArgs&) {
            closedBy.push_back("cancel");
            Unload();
        });
        // An empty name keeps the focus.
        txtName->On(ev::Validate, [this](EventArgs& e) { e.cancel = txtName->Text().empty(); });
    }

    const std::shared_ptr<TextBox> txtName = Add<TextBox>("txtName", {0, 0, 2000, 285});
    const std::shared_ptr<CommandButton> cmdOK = Add<CommandButton>("cmdOK", {0, 400, 900, 375});
    const std::shared_ptr<CommandButton> cmdCancel =
        Add<CommandButton>("cmdCancel", {1000, 400, 900, 375});
    std::vector<std::string> closedBy;
};

} // namespace

TEST(SessionForms, TheScriptAnswersTheNextFormsShownInTurn) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"form txtName type \"Mine\"\nform ok\n", {"ok Mine"}},
        {"form txtName type \"Mine\"\nform cancel\n", {"cancel"}},
        // Unanswered, the form is closed as by its window's close control.
        {"", {}},
        // A form shown again (asking again) takes the answers after the first ok.
        {"form txtName type \"One\"\nform ok\nform txtName type \"Two\"\nform ok\n",
         {"ok One", "ok Two"}},
    };
    for (const auto& [script, expected] : cases) {
        std::ostringstream out, err;
        Session session(out, err);
        std::istringstream lines(script);
        ASSERT_EQ(session.Run(lines), 0) << err.str();
        NameForm form;
        form.txtName->SetText("");
        for (size_t shown = 0; shown < std::max<size_t>(expected.size(), 1); ++shown) {
            Environment::Current().ShowModal(form);
            EXPECT_TRUE(form.Unloaded()) << script;
        }
        EXPECT_EQ(form.closedBy, expected) << script;
        EXPECT_EQ(out.str().rfind("form NameForm txtName=\"\"\n", 0), 0u) << out.str();
    }

    // A control that refuses to give up the focus makes pressing OK a script
    // error of the line that showed the form; the form closes all the same.
    std::ostringstream out, err;
    Session session(out, err);
    session.Execute("form txtName type \"\"");
    session.Execute("form ok");
    NameForm form;
    Environment::Current().ShowModal(form);
    EXPECT_TRUE(form.closedBy.empty());
    EXPECT_TRUE(form.Unloaded());
    try {
        session.Execute("modified");
        ADD_FAILURE() << "the refusal was not reported";
    } catch (const ScriptError& e) {
        EXPECT_STREQ(e.what(), "txtName refused to give up the focus");
    }
}

TEST(SessionForms, TheStyleNameFormGivesANameOnlyByOk) {
    const std::pair<const char*, bool> cases[] = {
        {"form ok\n", false}, {"form cancel\n", true}, {"", true}, // closed by the window
    };
    for (const auto& [script, cancelled] : cases) {
        std::ostringstream out, err;
        Session session(out, err);
        std::istringstream lines(script);
        ASSERT_EQ(session.Run(lines), 0) << err.str();
        CellStyleName form;
        Environment::Current().ShowModal(form);
        EXPECT_EQ(form.Cancelled(), cancelled) << script;
    }
}

TEST(SessionForms, AFormShownAgainAndAgainWithoutAnswersIsStopped) {
    std::ostringstream out, err;
    Session session(out, err);
    NameForm form;
    int shown = 0;
    try {
        for (; shown <= SessionEnvironment::MaxUnansweredForms; ++shown) {
            Environment::Current().ShowModal(form);
        }
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.Number(), 5);
    }
    EXPECT_EQ(shown, SessionEnvironment::MaxUnansweredForms);
    EXPECT_THROW(session.Execute("modified"), ScriptError);
    // A new command counts afresh.
    Environment::Current().ShowModal(form);
    EXPECT_NO_THROW(session.Execute("modified"));
}

TEST(SessionForms, AnswersAFormCannotTakeAreScriptErrors) {
    const std::pair<const char*, const char*> cases[] = {
        {"form maybe\n", "line 2: usage: form ok|cancel or form CONTROL ACTION [ARG]\n"},
        {"form txtStyleName jump\n", "line 2: unknown action jump\n"},
        {"form txtStyleName type\n", "line 2: usage: user CONTROL type ARG\n"},
        // Found out when the form is shown: the line that showed it fails.
        {"form txtNope type \"x\"\nuser cmdAdd click\n",
         "line 3: no control txtNope on the form CellStyleName\n"},
        {"form txtStyleName pick 255\nuser cmdAdd click\n",
         "line 3: TextBox txtStyleName cannot pick\n"},
    };
    for (const auto& [script, message] : cases) {
        std::istringstream in(std::string("open CellStyles\n") + script);
        std::ostringstream out, err;
        EXPECT_EQ(RunVantorCommand({"session", "--workbook", "empty", "-"}, in, out, err), 2);
        EXPECT_EQ(err.str(), message) << script;
    }
}
