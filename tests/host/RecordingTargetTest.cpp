#include "host/RecordingTarget.hpp"
#include "tests/support/FakeObject.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::host;
using namespace vantor::test;

TEST(RecordingTarget, NotesEachMemberByItsPathWithTheKindsWrittenAndNullsOnePath) {
    auto font = std::make_shared<FakeObject>();
    font->Set("Name", Variant("Sans")).Set("Bold", Variant(true));
    auto target = std::make_shared<FakeObject>();
    ObjectRef handedBack;
    target->Set("Font", Variant(ObjectRef(font))).Set("WrapText", Variant(false));
    target->Method("Apply").Method("Take", [&](std::span<const Variant> args) {
        handedBack = args[0].ToObject();
        return Variant();
    });
    const auto uses = std::make_shared<MemberUses>();
    const ObjectRef recorded(std::make_shared<RecordingTarget>(ObjectRef(target), "", uses, "Font.Bold"));

    EXPECT_EQ(recorded.Get("font").Get("Name"), Variant("Sans"));
    EXPECT_TRUE(recorded.Get("Font").Get("Bold").IsNull()); // the nulled path, matched without case
    recorded.Put("WrapText", Variant(true));
    recorded.Put("WrapText", Variant::Null());
    recorded.Get("Font").Put("Name", Variant("Serif"));
    recorded.Call("Apply");
    recorded.Call("Take", recorded.Get("Font"));

    // The model gets its own object back, not the recorder.
    EXPECT_EQ(handedBack, ObjectRef(font));
    EXPECT_EQ(font->Value("Name"), Variant("Serif"));
    std::vector<std::string> rows;
    for (const auto& [key, use] : *uses) {
        std::string kinds;
        for (const std::string& kind : use.kinds) {
            kinds += " " + kind;
        }
        rows.push_back(use.path + (use.read ? " R" : "") + (use.written ? " W" : "") + (use.called ? " C" : "") + kinds);
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"Apply C", "font R", "Font.Bold R", "font.Name R W String", "Take C",
                                              "WrapText W Boolean Null"}));
}
