// brivon-cli survey: a light survey of a memory list file's records, with
// its figures, its verdict against a requirement and, for an area, whether
// the grid is fine enough.

#include "CliCommands.h"
#include "DataFileLoading.h"
#include "SurveyLines.h"
#include "SurveyOptions.h"

#include "core/files/DataFileNames.h"
#include "core/survey/SurveyCsv.h"

#include <iostream>

namespace brivon::cli {
namespace {

// Checks what the options ask, writes the points file and prints the
// figures; nothing is written for a survey that is refused.
int runSurveyOf(const SurveyOptions& options, const store::MemoryBlock& block)
{
    const survey::SurveyOutcome outcome = survey::makeSurvey(block, options.request);
    if (!outcome.survey) return reportFailure(options.file, outcome.refusal);
    if (options.area) {
        if (const auto problem = survey::areaProblem(*options.area))
            return reportFailure(options.file, *problem);
    }
    const survey::Survey& survey = *outcome.survey;
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

int runSurvey(const Arguments& args)
{
    const std::optional<SurveyOptions> options = parseSurveyOptions(args);
    if (!options) {
        std::cerr << kSurveyUsage;
        return kExitUsage;
    }
    return withDataFile(
        options->file, platform::SystemClock(),
        [&](const store::CurrentSet&) {
            return reportFailure(options->file,
                std::string("a survey is made of a memory list file (") + files::kMemoryFileExtension + ")");
        },
        [&](const store::MemoryBlock& block) { return runSurveyOf(*options, block); });
}

}  // namespace brivon::cli
