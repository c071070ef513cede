#include "CliCommands.h"

namespace brivon::cli {

int runExport(const Arguments&) { return kExitFailure; }
int runInfo(const Arguments&) { return kExitFailure; }

}  // namespace brivon::cli
