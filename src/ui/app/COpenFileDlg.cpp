#include "ui/app/COpenFileDlg.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace brivon::ui {
namespace {

constexpr const char* kCaption = "Open File";
constexpr const char* kListFileText = "Open List file(*.MemDat)";
constexpr const char* kGraphFileText = "Open Graph file(*.AsmDat)";
// 143 x 46 dialog units in the classic dialog font (1.5 x 1.625 pixels a unit).
constexpr int kDialogWidth = 215;

}  // namespace

COpenFileDlg::COpenFileDlg(QWidget* parent)
    : QDialog(parent)
    , listFile_(new QPushButton(kListFileText, this))
    , graphFile_(new QPushButton(kGraphFileText, this))
{
    setWindowTitle(kCaption);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listFile_);
    layout->addWidget(graphFile_);
    setFixedWidth(kDialogWidth);
    connect(listFile_, &QPushButton::clicked, this, [this] { choose(Choice::ListFile); });
    connect(graphFile_, &QPushButton::clicked, this, [this] { choose(Choice::GraphFile); });
}

COpenFileDlg::Choice COpenFileDlg::ask(QWidget* parent)
{
    COpenFileDlg dialog(parent);
    dialog.exec();
    return dialog.choice();
}

void COpenFileDlg::choose(Choice choice)
{
    choice_ = choice;
    accept();
}

}  // namespace brivon::ui
