#include "qt/QtEnvironment.hpp"
#include "vantor/dialogs/CellStyleName.hpp"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vantor::qt {
namespace {

TEST(QtEnvironment, PostedWorkRunsOnePassAtATimeAndWhenTheLoopIsIdle) {
    QtEnvironment env(true);
    std::vector<std::string> ran;
    env.Post([&] {
        ran.push_back("first");
        // Posted during a pass: waits for the next one.
        env.Post([&] { ran.push_back("second"); });
    });
    env.DoEvents();
    EXPECT_EQ(ran, (std::vector<std::string>{"first"}));
    env.DoEvents();
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second"}));

    // Nobody calls DoEvents: the idle loop runs it, once.
    env.Post([&] { ran.push_back("idle"); });
    QTest::qWait(20);
    env.DoEvents();
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second", "idle"}));
}

TEST(QtEnvironment, AnUnattendedBoxTakesItsFirstButtonAndIsKept) {
    QtEnvironment env(true);
    EXPECT_EQ(env.MessageBox("Save?", msgbox::YesNoCancel, "Book"), msgbox::Yes);
    EXPECT_EQ(env.MessageBox("Failed", msgbox::RetryCancel, ""), msgbox::Retry);
    ASSERT_EQ(env.Messages().size(), 2u);
    EXPECT_EQ(env.Messages()[0].prompt, "Save?");
    EXPECT_EQ(env.Messages()[1].answer, msgbox::Retry);
}

TEST(QtEnvironment, AFormShownAgainStaysOpenUntilTheUserClosesIt) {
    QtEnvironment env(false);
    EnvironmentScope scope(env);
    CellStyleName form;
    // The user replaces the selected name and presses Enter, which is OK.
    const auto answer = [&form](const QString& name) {
        QTimer::singleShot(0, [&form, name] {
            EXPECT_FALSE(form.Unloaded());
            const QWidget* dialog = QApplication::activeModalWidget();
            auto* box = dialog != nullptr ? dialog->findChild<QLineEdit*>("txtStyleName") : nullptr;
            if (box != nullptr) {
                QTest::keyClicks(box, name);
                QTest::keyClick(box, Qt::Key_Return);
            }
            if (!form.Unloaded()) {
                ADD_FAILURE() << "Enter did not close the form";
                form.Unload();
            }
        });
    };
    answer("Heading");
    env.ShowModal(form);
    EXPECT_EQ(form.txtStyleName->Text(), "Heading");
    answer("Total");
    env.ShowModal(form);
    EXPECT_EQ(form.txtStyleName->Text(), "Total");
    EXPECT_FALSE(form.Cancelled());
}

} // namespace
} // namespace vantor::qt
