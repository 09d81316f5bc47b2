#include "vantor/framework/ClassTable.hpp"
#include "vantor/framework/EntryPoints.h"

#include "tests/support/PageHarness.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace vantor;

namespace {

void* FactoryOf(const std::string& name) {
    void* factory = nullptr;
    EXPECT_EQ(DllGetClassObject(ClassTable::Find(name)->classId.c_str(), VANTOR_IID_BASE_INTERFACE, &factory),
              VANTOR_OK);
    return factory;
}

} // namespace

TEST(CEntryPoints, CreateAnObjectOfEachClassTellItsIdentityAndReleaseIt) {
    vantor::test::PageHarness h;
    for (const char* name : {"CellPropAlign", "SheetChoice", "FontPreview"}) {
        void* object = nullptr;
        ASSERT_EQ(VantorCreateInstance(FactoryOf(name), &object), VANTOR_OK) << name;
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(std::string(VantorClassId(object)), ClassTable::Find(name)->classId);
        EXPECT_EQ(DllCanUnloadNow(), VANTOR_FALSE) << name;
        VantorRelease(object);
        EXPECT_EQ(DllCanUnloadNow(), VANTOR_OK) << name;
    }
}

TEST(CEntryPoints, RefuseMissingArguments) {
    void* object = &object;
    EXPECT_EQ(VantorCreateInstance(nullptr, &object), VANTOR_E_POINTER);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(VantorCreateInstance(FactoryOf("CellPropAlign"), nullptr), VANTOR_E_POINTER);
    EXPECT_EQ(VantorClassId(nullptr), nullptr);
    VantorRelease(nullptr);
}
