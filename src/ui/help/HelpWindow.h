#pragma once
// The program's own help window: the user's guide `help.html`, found beside
// the executable, shown in a text browser. It needs no desktop browser, and
// links inside the guide are followed in the same window (Alt+Left goes back,
// Escape closes it).

#include <QDialog>

class QTextBrowser;

namespace brivon::ui {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kFileName = "help.html";

    // The help file of an executable in `folder`: the folder, a separating
    // "/" unless it ends with one, and the file name.
    static QString helpFilePath(const QString& folder);

    // Shows the one help window of `parent` (made on first use) and brings it to the front.
    static HelpWindow& showFor(QWidget* parent);

    QTextBrowser& browser() { return *browser_; }
    // The guide read from `path`, or a page that says it is missing.
    void load(const QString& path);

private:
    explicit HelpWindow(QWidget* parent);

    QTextBrowser* browser_;
};

}  // namespace brivon::ui
