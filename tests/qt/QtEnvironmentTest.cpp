#include "qt/QtEnvironment.hpp"

#include <QApplication>
#include <QTest>

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

} // namespace
} // namespace vantor::qt
