#include "core/download/DownloadState.h"

#include <gtest/gtest.h>

namespace brivon {
namespace {

using link::DumpKind;

struct TextCase {
    std::optional<DumpKind> kind;
    int total;
    int bytes;
    std::optional<int> records;
    const char* text;
};

class ProgressText : public ::testing::TestWithParam<TextCase> { };

TEST_P(ProgressText, TellsWhatTheDownloadKnows)
{
    const TextCase& c = GetParam();
    download::DownloadState state;
    state.dumpKind = c.kind;
    state.downloadTotal = c.total;
    state.bytesReceived = c.bytes;
    state.recordsReceived = c.records;
    EXPECT_EQ(download::progressText(state), c.text);
}

INSTANTIATE_TEST_SUITE_P(States, ProgressText,
    ::testing::Values(TextCase { std::nullopt, 0, 0, std::nullopt, "" },
        TextCase { DumpKind::DataLogger, 0, 0, std::nullopt, "" },  // before the header
        TextCase { DumpKind::DataLogger, 4096, 1200, std::nullopt, "1200 of 4096 bytes" },
        TextCase { DumpKind::Memory, 2000, 0, std::nullopt, "" },  // the scale is no byte count
        TextCase { DumpKind::Memory, 0, 0, 12, "12 records" },
        TextCase { DumpKind::Memory, 0, 0, 1, "1 record" },
        TextCase { DumpKind::Memory, 0, 0, 0, "0 records" }));

}  // namespace
}  // namespace brivon
