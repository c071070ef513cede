#include "ReadOptions.h"

#include "NumberText.h"

#include <cmath>
#include <limits>

namespace brivon::cli {

namespace {

// The longest run the event loop's single-shot timer can measure, in milliseconds.
constexpr double kMaxSeconds = std::numeric_limits<int>::max() / 1000.0;

std::optional<long> positiveCount(const std::string& text)
{
    const auto count = wholeNumber<long>(text);
    if (!count || *count <= 0) return std::nullopt;
    return count;
}

std::optional<double> positiveSeconds(const std::string& text)
{
    const auto seconds = wholeNumber<double>(text);
    if (!seconds || !std::isfinite(*seconds) || *seconds <= 0 || *seconds > kMaxSeconds) return std::nullopt;
    return seconds;
}

}  // namespace

ParsedReadOptions parseReadOptions(const Arguments& args)
{
    ReadOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (i + 1 >= args.size()) return {};
        const std::string& value = args[++i];
        if (name == "--device") {
            options.device = value;
        } else if (name == "--count") {
            const auto count = positiveCount(value);
            if (!count) return { std::nullopt, name + " " + value + ": not a positive whole number" };
            options.count = *count;
        } else if (name == "--seconds") {
            const auto seconds = positiveSeconds(value);
            if (!seconds) return { std::nullopt, name + " " + value + ": not a positive number of seconds" };
            options.seconds = *seconds;
        } else {
            return {};
        }
    }
    if (options.device.empty()) return {};
    return { options, {} };
}

}  // namespace brivon::cli
