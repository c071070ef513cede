#pragma once
// The prompts seam: every modal question the program asks its user. The Qt
// layer shows real dialogs with the application's title; tests answer them
// from a script, so no dialog is ever shown in a test.

#include <optional>
#include <string>

namespace brivon::platform {

enum class Answer { Yes, No, Cancel };

// What a file dialog starts with. The filter is written the classic way,
// "Description (*.ext)|*.ext|", which the Qt layer translates.
struct FileChoice {
    std::string defaultName;  // file name without folder, may be empty
    std::string defaultExtension;  // without the dot, e.g. "AsmDat"
    std::string filter;
    std::string folder {};  // where the dialog starts; empty: where it starts by default
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // A message box with an OK button.
    virtual void message(const std::string& text) = 0;
    // The same with `informative` below the text, such as why a file was refused.
    virtual void messageWithReason(const std::string& text, const std::string& informative) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string& question) = 0;
    // A Yes/No/Cancel question.
    virtual Answer askYesNoCancel(const std::string& question) = 0;
    // The chosen path, or nothing when the user cancels. A save dialog does
    // not ask about an existing file: the caller asks once it knows every
    // file the save writes under their final names.
    virtual std::optional<std::string> chooseSaveFile(const FileChoice& choice) = 0;
    virtual std::optional<std::string> chooseOpenFile(const FileChoice& choice) = 0;
    // The "Sample Rate Setup" dialog, starting at `initialSeconds`: the
    // number entered on OK (not range-checked), nothing on Cancel.
    virtual std::optional<int> sampleRate(int initialSeconds) = 0;
};

}  // namespace brivon::platform
