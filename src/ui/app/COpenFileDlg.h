#pragma once
// "Open File": the choice between a memory list file and a graph data file,
// which opens the memory list window or the data-logger window to read it.

#include <QDialog>

class QPushButton;

namespace brivon::ui {

class COpenFileDlg : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Nothing, ListFile, GraphFile };

    explicit COpenFileDlg(QWidget* parent = nullptr);

    // Shows the dialog modally; what its user chose.
    static Choice ask(QWidget* parent);

    Choice choice() const { return choice_; }
    QPushButton& listFileButton() { return *listFile_; }
    QPushButton& graphFileButton() { return *graphFile_; }

private:
    void choose(Choice choice);

    QPushButton* listFile_;
    QPushButton* graphFile_;
    Choice choice_ = Choice::Nothing;
};

}  // namespace brivon::ui
