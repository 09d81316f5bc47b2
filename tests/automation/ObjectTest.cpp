#include "vantor/automation/ErrorTrap.hpp"
#include "vantor/automation/MemberTable.hpp"
#include "vantor/automation/TextFunctions.hpp"
#include "vantor/automation/TracingObject.hpp"

#include "tests/support/ErrorOf.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using vantor::test::ErrorOf;

namespace {

class Counter : public DispatchObject<Counter> {
public:
    static const MemberTable<Counter>& Members() {
        static const MemberTable<Counter> table = [] {
            MemberTable<Counter> t;
            t.Property("Value", [](Counter& c, auto) { return Variant(c.value); },
                       [](Counter& c, auto, const Variant& v) { c.value = v.ToLong(); }, 7);
            t.Property("Child", [](Counter& c, auto) { return Variant(c.child); });
            t.Method("Add", [](Counter& c, auto args) {
                c.value += MemberTable<Counter>::Arg(args, 0).ToLong();
                return Variant(c.value);
            });
            return t;
        }();
        return table;
    }
    std::string TypeName() const override { return "Counter"; }
    std::string DisplayName() const override { return "Counter(" + std::to_string(id) + ")"; }
    std::vector<Variant> Enumerate() override { return {Variant(1), Variant(child)}; }

    int32_t value = 0;
    int id = 1;
    ObjectRef child;
};


} // namespace

TEST(Object, MembersMatchWithoutRegardToCaseAndUnknownOnesRaise438) {
    auto counter = std::make_shared<Counter>();
    const ObjectRef ref(counter);
    ref.Put("VALUE", 5);
    EXPECT_EQ(ref.Get("value"), Variant(5));
    EXPECT_EQ(ref.Call("add", 3), Variant(8));
    EXPECT_EQ(ref.InvokeId(7, InvokeKind::Get, {}), Variant(8));
    EXPECT_EQ(ErrorOf([&] { ref.Get("Missing"); }), 438);
    EXPECT_EQ(ErrorOf([&] { ref.Put("Child", Variant()); }), 438); // read-only
    EXPECT_EQ(ErrorOf([&] { ref.Call("Add"); }), 450);
    EXPECT_EQ(ErrorOf([&] { ref.InvokeId(99, InvokeKind::Get, {}); }), 438);
}

TEST(Object, NothingRaises91AndNonObjects424) {
    const ObjectRef nothing;
    EXPECT_EQ(ErrorOf([&] { nothing.Get("Value"); }), 91);
    EXPECT_EQ(ErrorOf([&] { nothing.Enumerate(); }), 91);
    EXPECT_EQ(ErrorOf([] { Variant::Nothing().Get("Value"); }), 91);
    EXPECT_EQ(ErrorOf([] { Variant(5).Get("Value"); }), 424);
    auto counter = std::make_shared<Counter>();
    // Chained reads through a Variant: the child is Nothing.
    EXPECT_EQ(ErrorOf([&] { Variant(counter).Get("Child").Get("Value"); }), 91);
}

TEST(Object, TracingRecordsEveryAccessAndWrapsChildren) {
    auto root = std::make_shared<Counter>();
    auto child = std::make_shared<Counter>();
    child->id = 2;
    root->child = child;
    auto log = std::make_shared<TraceLog>();
    const ObjectRef traced = TracingObject::Wrap(root, log);
    traced.Get("Child").Put("Value", 4);
    traced.Call("Add", 2);
    EXPECT_EQ(ErrorOf([&] { traced.Get("Nope"); }), 438);
    const std::vector<Variant> items = traced.Enumerate();
    items[1].Put("Value", 9);
    ASSERT_EQ(log->size(), 5u);
    EXPECT_EQ((*log)[0].Text(), "Get Counter(1).Child -> Object(Counter)");
    EXPECT_EQ((*log)[1].Text(), "Put Counter(2).Value = Long(4)");
    EXPECT_EQ((*log)[2].Text(), "Call Counter(1).Add(Long(2)) -> Long(2)");
    EXPECT_EQ((*log)[3].Text(), "Get Counter(1).Nope !438");
    EXPECT_EQ((*log)[4].Text(), "Put Counter(2).Value = Long(9)");
    EXPECT_EQ(root->child.As<Counter>()->value, 9);
}

TEST(ErrorTrap, GoesOnAndKeepsTheLastError) {
    ErrorTrap trap;
    int ran = 0;
    EXPECT_FALSE(trap([&] { throw AutomationError(13); }));
    EXPECT_TRUE(trap([&] { ++ran; }));
    EXPECT_EQ(trap.Number(), 13);
    trap([&] { throw AutomationError(91); });
    trap([&] { throw std::runtime_error("boom"); });
    EXPECT_EQ(trap.Number(), 51);
    EXPECT_EQ(trap.Description(), "boom");
    EXPECT_EQ(ran, 1);
    trap.Clear();
    EXPECT_FALSE(trap.HasError());
    EXPECT_EQ(trap.Number(), 0);
}

TEST(TextFunctions, CaseAndCharacters) {
    EXPECT_TRUE(EqualsIgnoreCase("ColorIndex", "colorindex"));
    EXPECT_TRUE(EqualsIgnoreCase("STRASSE", "straße"));
    EXPECT_TRUE(EqualsIgnoreCase("ÉTÉ", "été"));
    EXPECT_FALSE(EqualsIgnoreCase("abc", "abd"));
    EXPECT_EQ(ToUpper("été"), "ÉTÉ");
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(CharCount("€uro"), 4u);
    EXPECT_EQ(LeftChars("€uro", 2), "€u");
    EXPECT_EQ(LeftChars("ab", 5), "ab");
}
