#include "support/ScriptedPrompts.h"

namespace brivon::support {
namespace {

const std::string kMessage = "message: ";
const std::string kQuestion = "question: ";

}  // namespace

void ScriptedPrompts::record(const std::string& entry)
{
    log_.push_back(entry);
    if (onPrompt) onPrompt(entry);
}

template <typename T>
T ScriptedPrompts::next(std::deque<T>& script, const T& fallback, const std::string& asked)
{
    if (script.empty()) {
        unscripted_.push_back(asked);
        return fallback;
    }
    T value = script.front();
    script.pop_front();
    return value;
}

void ScriptedPrompts::message(const std::string& text)
{
    record(kMessage + text);
}

void ScriptedPrompts::messageWithReason(const std::string& text, const std::string& informative)
{
    informativeTexts_.push_back(informative);
    message(text);
}

bool ScriptedPrompts::askYesNo(const std::string& question)
{
    record(kQuestion + question);
    return next(answers, platform::Answer::No, question) == platform::Answer::Yes;
}

platform::Answer ScriptedPrompts::askYesNoCancel(const std::string& question)
{
    record(kQuestion + question);
    return next(answers, platform::Answer::Cancel, question);
}

std::optional<std::string> ScriptedPrompts::chooseSaveFile(const platform::FileChoice& choice)
{
    record("save: " + choice.defaultName);
    fileChoices_.push_back(choice);
    return next(savePaths, std::optional<std::string> {}, "save " + choice.defaultName);
}

std::optional<std::string> ScriptedPrompts::chooseOpenFile(const platform::FileChoice& choice)
{
    record("open: " + choice.defaultName);
    fileChoices_.push_back(choice);
    return next(openPaths, std::optional<std::string> {}, "open " + choice.defaultName);
}

std::optional<int> ScriptedPrompts::sampleRate(int initialSeconds)
{
    record("sample rate: " + std::to_string(initialSeconds));
    return next(sampleRates, std::optional<int> {}, "sample rate");
}

std::vector<std::string> ScriptedPrompts::entriesStartingWith(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const auto& entry : log_)
        if (entry.rfind(prefix, 0) == 0) found.push_back(entry.substr(prefix.size()));
    return found;
}

std::vector<std::string> ScriptedPrompts::messages() const
{
    return entriesStartingWith(kMessage);
}

std::vector<std::string> ScriptedPrompts::questions() const
{
    return entriesStartingWith(kQuestion);
}

void ScriptedPrompts::clearLog()
{
    log_.clear();
    fileChoices_.clear();
    informativeTexts_.clear();
}

bool ScriptedPrompts::scriptUsedUp() const
{
    return answers.empty() && savePaths.empty() && openPaths.empty() && sampleRates.empty();
}

}  // namespace brivon::support
