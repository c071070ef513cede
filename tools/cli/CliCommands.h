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

int runRead(int argc, char** argv, const Arguments& args);
int runExport(const Arguments& args);
int runInfo(const Arguments& args);
int runReport(int argc, char** argv, const Arguments& args);

}  // namespace brivon::cli
