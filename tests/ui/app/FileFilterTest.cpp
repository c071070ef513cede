#include "ui/app/FileFilter.h"

#include <gtest/gtest.h>

namespace brivon {
namespace {

struct FilterCase {
    const char* name;
    const char* classic;
    const char* dialog;
};

class FileFilter : public ::testing::TestWithParam<FilterCase> { };

TEST_P(FileFilter, ClassicPairsBecomeDialogEntries)
{
    EXPECT_EQ(ui::dialogFilter(GetParam().classic), GetParam().dialog);
}

INSTANTIATE_TEST_SUITE_P(Filters, FileFilter,
    ::testing::Values(
        FilterCase { "OnePair", "DataLogger Files (*.AsmDat)|*.AsmDat|", "DataLogger Files (*.AsmDat)" },
        FilterCase { "TwoPairs", "DataLogger Files (*.AsmDat)|*.AsmDat|*.CH4|*.CH4|",
            "DataLogger Files (*.AsmDat);;*.CH4 (*.CH4)" },
        FilterCase { "TwoPatternsInOnePair", "Data|*.AsmDat;*.MemDat|", "Data (*.AsmDat *.MemDat)" },
        FilterCase { "Empty", "", "" }, FilterCase { "DescriptionWithoutPattern", "Lonely description", "" }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
