#pragma once
// The prompts as real Qt dialogs, titled with the application's name and
// parented to the main window.

#include "core/platform/Prompts.h"

class QWidget;

namespace brivon::ui {

class QtPrompts : public platform::Prompts {
public:
    explicit QtPrompts(QWidget* parent)
        : parent_(parent)
    {
    }

    void message(const std::string& text) override;
    void messageWithReason(const std::string& text, const std::string& informative) override;
    bool askYesNo(const std::string& question) override;
    platform::Answer askYesNoCancel(const std::string& question) override;
    std::optional<std::string> chooseSaveFile(const platform::FileChoice& choice) override;
    std::optional<std::string> chooseOpenFile(const platform::FileChoice& choice) override;
    std::optional<int> sampleRate(int initialSeconds) override;

private:
    std::optional<std::string> chooseFile(const platform::FileChoice& choice, bool save);

    QWidget* parent_;
};

}  // namespace brivon::ui
