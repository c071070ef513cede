#pragma once
// The prompts of a command without a display: a message is dropped, as the
// command reports from the results it gets; every question is answered No or
// Cancel.

#include "core/platform/Prompts.h"

#include <string>

namespace brivon::cli {

class SilentPrompts : public platform::Prompts {
public:
    void message(const std::string& /*text*/) override { }
    void messageWithReason(const std::string& /*text*/, const std::string& /*informative*/) override { }
    bool askYesNo(const std::string& /*question*/) override { return false; }
    platform::Answer askYesNoCancel(const std::string& /*question*/) override
    {
        return platform::Answer::Cancel;
    }
    std::optional<std::string> chooseSaveFile(const platform::FileChoice& /*choice*/) override { return {}; }
    std::optional<std::string> chooseOpenFile(const platform::FileChoice& /*choice*/) override { return {}; }
    std::optional<int> sampleRate(int /*initialSeconds*/) override { return {}; }
};

}  // namespace brivon::cli
