#pragma once
// The sub-commands of brivon-cli. Each takes the arguments after its name and
// returns the process exit code.

#include <string>
#include <vector>

namespace brivon::cli {

using Arguments = std::vector<std::string>;

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitFailure = 2;
inline constexpr int kExitNothingToDownload = 3;  // download: nothing stored, or a low battery
inline constexpr int kExitNoAnswer = 4;  // not one reading, or a transfer that did not complete, in time
inline constexpr int kExitRequirementNotMet = 5;  // survey: the area does not meet the requirement

// What a command says when the meter on `device` sent no measurement frame.
inline std::string noAnswerText(const std::string& device)
{
    return "no answer from the meter on " + device;
}

int runRead(int argc, char** argv, const Arguments& args);
int runExport(const Arguments& args);
int runInfo(const Arguments& args);
int runReport(int argc, char** argv, const Arguments& args);
int runDownload(int argc, char** argv, const Arguments& args);
int runRecover(const Arguments& args);
int runSurvey(int argc, char** argv, const Arguments& args);

}  // namespace brivon::cli
