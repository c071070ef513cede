// brivon-cli survey: a light survey of a memory list file's records, with
// its figures, its verdict against a requirement and, for an area, whether
// the grid is fine enough; its points as CSV and its report as a PDF.

#include "CliCommands.h"
#include "DataFileLoading.h"
#include "ReportPdfOutput.h"
#include "SurveyLines.h"
#include "SurveyOptions.h"

#include "core/files/DataFileNames.h"
#include "core/report/SurveyReport.h"
#include "core/survey/SurveyCsv.h"

#include <iostream>

namespace brivon::cli {
namespace {

// True, having said so, when a file the options name exists already.
bool outputExists(const SurveyOptions& options)
{
    const auto exists
        = [](const std::optional<std::string>& output, std::string_view extension, std::string_view option) {
              if (!output) return false;
              const std::filesystem::path file = files::withExtension(*output, extension);
              return reportExisting({ &file, 1 }, option);
          };
    return exists(options.csv, files::kCsvFileExtension, kCsvOption)
        || exists(options.report, kPdfExtension, kOutputOption);
}

int writeSurveyReport(int argc, char** argv, const SurveyOptions& options, const survey::Survey& survey)
{
    const report::SurveyReportDetails details { options.title.value_or(""), options.request.grid,
        options.request.requirement, options.area };
    const std::string pdf = reportPdfBytes(argc, argv, options.page.value_or(QPageSize::A4),
        [&](draw::Canvas& canvas) { report::drawSurveyReport(canvas, survey, details); });
    return writeFile(*options.report, kPdfExtension, pdf, options.file);
}

// Checks what the options ask, writes the points file and the report and
// prints the figures; nothing is written for a survey that is refused, nor
// when a file it would write exists.
int runSurveyOf(int argc, char** argv, const SurveyOptions& options, const store::MemoryBlock& block)
{
    const survey::SurveyOutcome outcome = survey::makeSurvey(block, options.request);
    if (!outcome.survey) return reportFailure(options.file, outcome.refusal);
    if (options.area) {
        if (const auto problem = survey::areaProblem(*options.area))
            return reportFailure(options.file, *problem);
    }
    if (outputExists(options)) return kExitFailure;
    const survey::Survey& survey = *outcome.survey;
    if (options.report) {
        const int written = writeSurveyReport(argc, argv, options, survey);
        if (written != kExitOk) return written;
    }
    if (options.csv) {
        const int written = writeFile(*options.csv, files::kCsvFileExtension,
            survey::surveyPointsCsv(survey.points), options.file, kCsvOption);
        if (written != kExitOk) return written;
    }
    std::cout << kSurveyCsvHeader << '\n' << surveySummaryLine(survey) << '\n';
    if (options.area)
        std::cout << survey::spacingLine(
            survey::checkSpacing(*options.area, options.request.grid), options.request.grid)
                  << '\n';
    std::cout.flush();
    if (!std::cout) return reportFailure("standard output", "write failed");
    return survey.result && !survey.result->met() ? kExitRequirementNotMet : kExitOk;
}

}  // namespace

int runSurvey(int argc, char** argv, const Arguments& args)
{
    const Parsed<SurveyOptions> parsed = parseSurveyOptions(args);
    const std::optional<SurveyOptions>& options = parsed.options;
    if (!options) return refuseCommandLine("survey", parsed.problem, kSurveyUsage);
    return withDataFile(
        options->file, platform::SystemClock(),
        [&](const store::CurrentSet&) {
            return reportFailure(options->file,
                std::string("a survey is made of a memory list file (") + files::kMemoryFileExtension + ")");
        },
        [&](const store::MemoryBlock& block) { return runSurveyOf(argc, argv, *options, block); });
}

}  // namespace brivon::cli
