// brivon-cli report: a data file's printed test report as a PDF, without a
// display or a printer.

#include "CliCommands.h"
#include "DataFileLoading.h"
#include "ReportPdfOutput.h"
#include "UsageRefusal.h"

#include "core/report/GraphReport.h"
#include "core/report/MemoryReport.h"
#include "core/report/ReportSources.h"

#include <filesystem>
#include <iostream>
#include <optional>

namespace brivon::cli {
namespace {

constexpr const char* kReportUsage = "usage: brivon-cli report FILE -o OUT.pdf [--page A4|Letter]\n";
// A set read from a file is shown from the bottom of its value axis.
constexpr int kFileSetOffsetDivisions = 0;

struct ReportArguments {
    std::string file;
    std::string output;
    QPageSize::PageSizeId page = QPageSize::A4;
};

Parsed<ReportArguments> parseReportArguments(const Arguments& args)
{
    ReportArguments parsed;
    bool haveFile = false;
    bool haveOutput = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == kOutputOption && hasValue && !haveOutput) {
            parsed.output = args[++i];
            haveOutput = true;
        } else if (args[i] == kPageOption && hasValue) {
            const std::string& name = args[++i];
            const std::optional<QPageSize::PageSizeId> page = pageNamed(name);
            if (!page) return refusedBecause<ReportArguments>(unsupportedPageText(name));
            parsed.page = *page;
        } else if (isOption(args[i]) && args[i] != kOutputOption && args[i] != kPageOption) {
            return refusedBecause<ReportArguments>(unknownOptionText(args[i]));
        } else if (!haveFile && !isOption(args[i])) {
            parsed.file = args[i];
            haveFile = true;
        } else {
            return {};
        }
    }
    if (!haveFile || !haveOutput) return {};
    return { parsed, {} };
}

// The layout as a PDF in the output named, or on standard output.
int writeReport(int argc, char** argv, const ReportArguments& arguments, const ui::ReportLayout& layout)
{
    return writeOutput(
        arguments.output, kPdfExtension, reportPdfBytes(argc, argv, arguments.page, layout), arguments.file);
}

}  // namespace

int runReport(int argc, char** argv, const Arguments& args)
{
    const Parsed<ReportArguments> parsedArguments = parseReportArguments(args);
    const std::optional<ReportArguments>& parsed = parsedArguments.options;
    if (!parsed) return refuseCommandLine("report", parsedArguments.problem, kReportUsage);
    const platform::SystemClock clock;
    return withDataFile(
        parsed->file, clock,
        [&](const store::CurrentSet& set) {
            report::GraphReportSource source
                = report::dataLoggerReportSource(set, set.loadedGain, kFileSetOffsetDivisions);
            source.fileName = std::filesystem::path(parsed->file).filename().string();
            return writeReport(argc, argv, *parsed,
                [&](draw::Canvas& canvas) { report::drawGraphReport(canvas, source, clock); });
        },
        [&](const store::MemoryBlock& block) {
            return writeReport(
                argc, argv, *parsed, [&](draw::Canvas& canvas) { report::drawMemoryReport(canvas, block); });
        });
}

}  // namespace brivon::cli
