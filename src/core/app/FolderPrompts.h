#pragma once
// Prompts whose file dialogs start in the folder last used for the same kind
// of file (graph files, memory lists, CSV exports), kept in the configuration
// file; a folder that no longer exists leaves the dialog's own default.
// Everything else goes to the prompts it wraps unchanged.

#include "core/app/Configuration.h"
#include "core/platform/Prompts.h"

namespace brivon::app {

class FolderPrompts final : public platform::Prompts {
public:
    FolderPrompts(platform::Prompts& prompts, Configuration configuration)
        : prompts_(prompts)
        , configuration_(std::move(configuration))
    {
    }

    void message(const std::string& text) override { prompts_.message(text); }
    void messageWithReason(const std::string& text, const std::string& informative) override
    {
        prompts_.messageWithReason(text, informative);
    }
    bool askYesNo(const std::string& question) override { return prompts_.askYesNo(question); }
    platform::Answer askYesNoCancel(const std::string& question) override
    {
        return prompts_.askYesNoCancel(question);
    }
    std::optional<std::string> chooseSaveFile(const platform::FileChoice& choice) override;
    std::optional<std::string> chooseOpenFile(const platform::FileChoice& choice) override;
    std::optional<int> sampleRate(int initialSeconds) override { return prompts_.sampleRate(initialSeconds); }

private:
    template <typename Choose>
    std::optional<std::string> chooseIn(const platform::FileChoice& choice, Choose choose);

    platform::Prompts& prompts_;
    Configuration configuration_;
};

}  // namespace brivon::app
