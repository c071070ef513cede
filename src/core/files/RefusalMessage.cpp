#include "core/files/RefusalMessage.h"

namespace brivon::files {

void tellRefusal(platform::Prompts& prompts, const std::filesystem::path& file, const FileOutcome& outcome)
{
    if (outcome.ok()) return;
    if (file.empty()) {
        prompts.message(outcome.message);
        return;
    }
    prompts.messageWithReason(outcome.message, outcome.reason(file.filename().string()));
}

}  // namespace brivon::files
