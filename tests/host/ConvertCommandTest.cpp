#include "../xlsx/XlsxTestSupport.hpp"

#include "host/VantorCommand.hpp"
#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/SampleWorkbook.hpp"
#include "xlsx/WorkbookFile.hpp"

#include <gtest/gtest.h>

#include <sstream>

using namespace vantor;
using vantor::test::ScratchDir;

namespace {

int Vantor(const std::vector<std::string>& args, std::string& out) {
    std::istringstream in;
    std::ostringstream printed, err;
    const int status = host::RunVantorCommand(args, in, printed, err);
    out = printed.str() + err.str();
    return status;
}

} // namespace

// Both commands build a workbook of their own and save it: the file they
// write opens again with the sample's cells.
TEST(ConvertCommand, SampleWritesTheSampleAndConvertCarriesItThrough) {
    const ScratchDir dir;
    std::string out;
    ASSERT_EQ(Vantor({"sample", dir / "sample.xlsx"}, out), 0) << out;
    EXPECT_EQ(out, "saved " + dir / "sample.xlsx" + "\n");
    ASSERT_EQ(Vantor({"convert", dir / "sample.xlsx", dir / "copy.xlsx"}, out), 0) << out;
    EXPECT_EQ(out, "saved " + dir / "copy.xlsx" + "\n");

    const auto app = model::Application::Create();
    const auto book = xlsx::OpenWorkbook(app, dir / "copy.xlsx");
    const auto expected = model::Application::Create();
    model::sample::AddSampleWorkbook(expected);
    for (const char* address : {"Values!B2:B11", "Mixed!B2:D4"}) {
        for (const char* member : {"Value", "NumberFormat", "HorizontalAlignment"}) {
            EXPECT_EQ(ObjectRef(app->RangeOf(address)).Get(member),
                      ObjectRef(expected->RangeOf(address)).Get(member))
                << address << " " << member;
        }
    }
    EXPECT_EQ(Vantor({"convert", dir / "missing.xlsx", dir / "out.xlsx"}, out), 2);
}
