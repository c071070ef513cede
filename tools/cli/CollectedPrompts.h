#pragma once
// The prompts of a command without a display: a message is kept for the
// command to print, every question is answered No or Cancel.

#include "core/platform/Prompts.h"

#include <string>
#include <vector>

namespace brivon::cli {

class CollectedPrompts : public platform::Prompts {
public:
    void message(const std::string& text) override { messages_.push_back(text); }
    bool askYesNo(const std::string& /*question*/) override { return false; }
    platform::Answer askYesNoCancel(const std::string& /*question*/) override
    {
        return platform::Answer::Cancel;
    }
    std::optional<std::string> chooseSaveFile(const platform::FileChoice& /*choice*/) override { return {}; }
    std::optional<std::string> chooseOpenFile(const platform::FileChoice& /*choice*/) override { return {}; }
    std::optional<int> sampleRate(int /*initialSeconds*/) override { return {}; }

    // True when `text` was shown as a message.
    bool said(const std::string& text) const;

private:
    std::vector<std::string> messages_;
};

}  // namespace brivon::cli
