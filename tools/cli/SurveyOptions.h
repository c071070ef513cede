#pragma once
// The options of brivon-cli survey.

#include "CliCommands.h"
#include "UsageRefusal.h"

#include "core/survey/Survey.h"
#include "core/survey/SurveySpacing.h"

#include <QPageSize>

#include <optional>
#include <string>

namespace brivon::cli {

inline constexpr const char* kSurveyUsage
    = "usage: brivon-cli survey FILE.MemDat --grid ROWSxCOLUMNS [--records FIRST-LAST]\n"
      "           [--required LUX] [--uniformity U0] [--area LENGTHxWIDTH] [--csv POINTS.csv]\n"
      "           [-o REPORT.pdf [--title TEXT] [--page A4|Letter]]\n";

inline constexpr const char* kCsvOption = "--csv";

struct SurveyOptions {
    std::string file;
    survey::SurveyRequest request;
    std::optional<survey::AreaSize> area;  // metres
    std::optional<std::string> csv;  // the points file, ".csv" added when the name lacks it
    std::optional<std::string> report;  // the report's PDF, ".pdf" added when the name lacks it
    std::optional<std::string> title;  // of the report
    std::optional<QPageSize::PageSizeId> page;  // of the report; A4 when none
};

// Refused (naming an unknown option or page size) when the file or --grid is missing, an option is unknown,
// given twice or lacks its value, or a value is not in its option's form (whole numbers in ROWSxCOLUMNS and
// FIRST-LAST, numbers otherwise, A4 or Letter), or a title or page is given without a report. Whether the
// numbers make a survey is for the survey to say.
Parsed<SurveyOptions> parseSurveyOptions(const Arguments& args);

}  // namespace brivon::cli
