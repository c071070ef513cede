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
inline constexpr int kExitNoAnswer = 4;  // read: not one reading before the time ran out

int runRead(int argc, char** argv, const Arguments& args);
int runExport(const Arguments& args);
int runInfo(const Arguments& args);
int runReport(int argc, char** argv, const Arguments& args);
int runRecover(const Arguments& args);

}  // namespace brivon::cli
