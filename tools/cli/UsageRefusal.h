#pragma once
// A command line a command cannot make out: why, when it can say, then the usage.

#include <optional>
#include <string>
#include <string_view>

namespace brivon::cli {

// What a parser made of its arguments: the options, or why they were refused
// (empty when the usage says enough, such as a missing file).
template <typename T> struct Parsed {
    std::optional<T> options;
    std::string problem;
};

template <typename T> Parsed<T> refusedBecause(std::string problem)
{
    return { std::nullopt, std::move(problem) };
}

// True for an argument that starts with '-' (a lone "-" included).
inline bool isOption(std::string_view argument)
{
    return !argument.empty() && argument[0] == '-';
}

// `unknown option "--cvs"`
std::string unknownOptionText(std::string_view option);

// Prints "brivon-cli COMMAND: problem" (without COMMAND when empty) when
// there is a problem, then the usage, on standard error; returns the usage
// exit code.
int refuseCommandLine(std::string_view command, const std::string& problem, std::string_view usage);

}  // namespace brivon::cli
