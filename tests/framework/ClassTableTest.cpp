#include "vantor/framework/ClassFactory.hpp"
#include "vantor/framework/ClassTable.hpp"
#include "vantor/framework/EntryPoints.hpp"
#include "vantor/ui/KeyStore.hpp"

#include "tests/support/ErrorOf.hpp"
#include "tests/support/PageHarness.hpp"
#include "tests/support/RegistryFile.hpp"

#include <gtest/gtest.h>

#include <set>

using namespace vantor;
using vantor::test::ErrorOf;

namespace {

constexpr const char* AlignId = "{7DC6D336-3DF2-494F-B77E-E472A834CA69}";
constexpr const char* FactoryIid = "{00000001-0000-0000-C000-000000000046}";

} // namespace

TEST(ClassTable, ListsEveryClassOnceAndFindsItByNameOrIdentity) {
    const auto& classes = ClassTable::Classes();
    ASSERT_EQ(classes.size(), 20u);
    std::set<std::string> names, ids;
    for (const ClassInfo& c : classes) {
        names.insert(c.name);
        ids.insert(c.classId);
        ids.insert(c.defaultIid);
        ids.insert(c.eventIid);
    }
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(ids.size(), 60u);

    const ClassInfo* align = ClassTable::Find("CellPropAlign");
    ASSERT_NE(align, nullptr);
    EXPECT_EQ(align->classId, AlignId);
    EXPECT_EQ(ClassTable::Find("vantor.cellpropalign"), align);
    EXPECT_EQ(ClassTable::Find(AlignId), align);
    EXPECT_EQ(ClassTable::Find("7dc6d336-3df2-494f-b77e-e472a834ca69"), align);
    EXPECT_EQ(ClassTable::Find("Vantor.Nothing"), nullptr);
    EXPECT_EQ(ClassTable::Find("FontPreview")->defaultIid, "{81F60C11-27C4-4193-B4FE-46792B832910}");
}

TEST(ClassTable, CreationOfAnUnknownOrUnbuiltClassFailsClearly) {
    EXPECT_EQ(ErrorOf([] { ClassTable::Create("NoSuchPage"); }), 429);
    for (const ClassInfo& c : ClassTable::Classes()) {
        if (!c.create) {
            try {
                ClassTable::Create(c.ProgId());
                ADD_FAILURE() << c.name << " created without a creator";
            } catch (const AutomationError& e) {
                EXPECT_EQ(e.Number(), 429);
                EXPECT_NE(e.Description().find(c.ProgId()), std::string::npos);
            }
        }
    }
}

TEST(EntryPoints, HandOutClassFactoriesByIdentity) {
    void* factory = nullptr;
    EXPECT_EQ(DllGetClassObject(AlignId, FactoryIid, &factory), result::Ok);
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(static_cast<ClassFactory*>(factory)->Info().name, "CellPropAlign");
    void* again = nullptr;
    DllGetClassObject("{7dc6d336-3df2-494f-b77e-e472a834ca69}", FactoryIid, &again);
    EXPECT_EQ(again, factory);
    EXPECT_EQ(DllGetClassObject(AlignId, "{00000000-0000-0000-0000-000000000001}", &factory), result::NoInterface);
    EXPECT_EQ(factory, nullptr);
    EXPECT_EQ(DllGetClassObject("{00000000-1111-2222-3333-444444444444}", FactoryIid, &factory),
              result::ClassNotAvailable);
    EXPECT_EQ(DllGetClassObject(AlignId, FactoryIid, nullptr), result::Pointer);
}

TEST(EntryPoints, EveryCreatedObjectIsCountedWhileItLives) {
    vantor::test::PageHarness h;
    const test::RegistryFile registry;
    ASSERT_EQ(LibraryObject::Alive(), 0);
    EXPECT_EQ(DllCanUnloadNow(), result::Ok);
    for (const ClassInfo& c : ClassTable::Classes()) {
        {
            const auto object = ClassTable::Create(c.ProgId());
            EXPECT_EQ(object->ClassName(), c.name);
            EXPECT_GE(LibraryObject::Alive(), 1) << c.name; // the font page holds a preview
            EXPECT_EQ(DllCanUnloadNow(), result::False) << c.name;
        }
        EXPECT_EQ(LibraryObject::Alive(), 0) << c.name;
    }
    EXPECT_EQ(DllCanUnloadNow(), result::Ok);
}

TEST(EntryPoints, RegisterAndUnregisterTheClasses) {
    const test::RegistryFile registry;
    ASSERT_EQ(DllRegisterServer(), result::Ok);
    const KeyStore store = KeyStore::Default();
    const std::string classes = "HKEY_CURRENT_USER\\Software\\Classes\\";
    EXPECT_EQ(store.OpenKey(classes + "CLSID\\" + AlignId + "\\ProgID", KeyAccess::Read).QueryString(""),
              std::optional<std::string>("Vantor.CellPropAlign"));
    EXPECT_EQ(store.OpenKey(classes + "Vantor.AppMisc\\CLSID", KeyAccess::Read).QueryString(""),
              std::optional<std::string>("{5A522AFD-D309-4720-AF71-8DDF12D33064}"));
    const auto server =
        store.OpenKey(classes + "CLSID\\" + AlignId + "\\InprocServer32", KeyAccess::Read).QueryString("");
    ASSERT_TRUE(server.has_value());
    EXPECT_TRUE(std::filesystem::exists(*server));
    EXPECT_TRUE(store.KeyExists(classes + "TypeLib\\{6B53D555-7633-441F-B3EE-EE45064C0503}\\1.0"));
    EXPECT_EQ(store.OpenKey(classes + "Interface\\{7D0FF3B2-DB0B-4D81-A427-316AB7806869}", KeyAccess::Read)
                  .QueryString(""),
              std::optional<std::string>("_CellPropAlign"));

    // Registering again changes nothing; unregistering leaves no class behind.
    ASSERT_EQ(DllRegisterServer(), result::Ok);
    ASSERT_EQ(DllUnregisterServer(), result::Ok);
    EXPECT_FALSE(store.KeyExists(classes + "CLSID\\" + AlignId));
    EXPECT_FALSE(store.KeyExists(classes + "Vantor.CellPropAlign"));
    EXPECT_FALSE(store.KeyExists(classes + "TypeLib\\{6B53D555-7633-441F-B3EE-EE45064C0503}"));
}
