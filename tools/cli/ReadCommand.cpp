#include "CliCommands.h"

namespace brivon::cli {

int runRead(int, char**, const Arguments&) { return kExitFailure; }

}  // namespace brivon::cli
