#pragma once
// Prompts answered from a script: each question takes the next scripted answer
// of its kind and is logged. A question without a scripted answer gets the
// cautious answer (No, Cancel, nothing chosen) and is listed in unscripted(),
// which a test fixture checks is empty.

#include "core/platform/Prompts.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace brivon::support {

class ScriptedPrompts : public platform::Prompts {
public:
    void message(const std::string& text) override;
    // Logged as message(text); the informative texts are kept in order beside.
    void messageWithReason(const std::string& text, const std::string& informative) override;
    bool askYesNo(const std::string& question) override;
    platform::Answer askYesNoCancel(const std::string& question) override;
    std::optional<std::string> chooseSaveFile(const platform::FileChoice& choice) override;
    std::optional<std::string> chooseOpenFile(const platform::FileChoice& choice) override;
    std::optional<int> sampleRate(int initialSeconds) override;

    // The script, consumed front first.
    std::deque<platform::Answer> answers;  // yes/no and yes/no/cancel questions
    std::deque<std::optional<std::string>> savePaths;  // nothing = Cancel
    std::deque<std::optional<std::string>> openPaths;
    std::deque<std::optional<int>> sampleRates;  // nothing = Cancel
    // Runs as each prompt is shown, before it is answered (to look at the
    // state the program is in while it waits for the user).
    std::function<void(const std::string& entry)> onPrompt;

    // What was asked, in order: "message: TEXT", "question: TEXT", "save: NAME",
    // "open: NAME", "sample rate: N".
    const std::vector<std::string>& log() const { return log_; }
    std::vector<std::string> messages() const;
    const std::vector<std::string>& informativeTexts() const { return informativeTexts_; }
    std::vector<std::string> questions() const;
    const std::vector<platform::FileChoice>& fileChoices() const { return fileChoices_; }
    void clearLog();
    // Prompts that found no scripted answer.
    const std::vector<std::string>& unscripted() const { return unscripted_; }
    // True when every scripted answer was used.
    bool scriptUsedUp() const;

private:
    void record(const std::string& entry);
    template <typename T> T next(std::deque<T>& script, const T& fallback, const std::string& asked);
    std::vector<std::string> entriesStartingWith(const std::string& prefix) const;

    std::vector<std::string> log_;
    std::vector<platform::FileChoice> fileChoices_;
    std::vector<std::string> unscripted_;
    std::vector<std::string> informativeTexts_;
};

}  // namespace brivon::support
