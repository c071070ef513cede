#include "SurveyOptions.h"

#include "DataFileLoading.h"
#include "NumberText.h"
#include "ReportPdfOutput.h"
#include "UsageRefusal.h"

#include <string_view>
#include <utility>

namespace brivon::cli {
namespace {

constexpr char kSizeSeparator = 'x';  // ROWSxCOLUMNS, LENGTHxWIDTH
constexpr char kRangeSeparator = '-';  // FIRST-LAST
constexpr const char* kTitleOption = "--title";

// The two numbers of type T either side of the first `separator`, or nothing.
template <typename T> std::optional<std::pair<T, T>> numberPair(std::string_view text, char separator)
{
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos) return std::nullopt;
    const std::optional<T> first = wholeNumber<T>(text.substr(0, at));
    const std::optional<T> second = wholeNumber<T>(text.substr(at + 1));
    if (!first || !second) return std::nullopt;
    return std::pair { *first, *second };
}

// Stores the option's value in `target`, or says that it cannot: given twice or not in its form.
bool setOnce(auto& target, const auto& value)
{
    if (target || !value) return false;
    target = *value;
    return true;
}

}  // namespace

Parsed<SurveyOptions> parseSurveyOptions(const Arguments& args)
{
    SurveyOptions options;
    std::optional<std::string> file;
    std::optional<survey::GridSize> grid;
    std::optional<survey::RecordRange> records;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (!name.empty() && name[0] != '-') {
            if (!setOnce(file, std::optional(name))) return {};
            continue;
        }
        if (i + 1 >= args.size()) return {};
        const std::string& value = args[++i];
        bool taken = false;
        if (name == "--grid") {
            const auto size = numberPair<int>(value, kSizeSeparator);
            taken = setOnce(
                grid, size ? std::optional(survey::GridSize { size->first, size->second }) : std::nullopt);
        } else if (name == "--records") {
            const auto range = numberPair<int>(value, kRangeSeparator);
            taken = setOnce(records,
                range ? std::optional(survey::RecordRange { range->first, range->second }) : std::nullopt);
        } else if (name == "--required") {
            taken = setOnce(options.request.requirement.average, wholeNumber<double>(value));
        } else if (name == "--uniformity") {
            taken = setOnce(options.request.requirement.uniformity, wholeNumber<double>(value));
        } else if (name == "--area") {
            const auto sides = numberPair<double>(value, kSizeSeparator);
            taken = setOnce(options.area,
                sides ? std::optional(survey::AreaSize { sides->first, sides->second }) : std::nullopt);
        } else if (name == kCsvOption) {
            taken = setOnce(options.csv, std::optional(value));
        } else if (name == kOutputOption) {
            taken = setOnce(options.report, std::optional(value));
        } else if (name == kTitleOption) {
            taken = setOnce(options.title, std::optional(value));
        } else if (name == kPageOption) {
            if (!pageNamed(value)) return refusedBecause<SurveyOptions>(unsupportedPageText(value));
            taken = setOnce(options.page, pageNamed(value));
        } else {
            return refusedBecause<SurveyOptions>(unknownOptionText(name));
        }
        if (!taken) return {};
    }
    if (!file || !grid) return {};
    if (!options.report && (options.title || options.page)) return {};
    options.file = *file;
    options.request.grid = *grid;
    options.request.records = records;
    return { options, {} };
}

}  // namespace brivon::cli
