#include "ui/app/QtPrompts.h"

#include "core/platform/Clock.h"
#include "ui/app/FileFilter.h"
#include "ui/realtime/SampleRateDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace brivon::ui {

namespace {

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

}  // namespace

void QtPrompts::message(const std::string& message)
{
    QMessageBox::information(parent_, QApplication::applicationName(), text(message));
}

void QtPrompts::messageWithReason(const std::string& message, const std::string& informative)
{
    QMessageBox box(
        QMessageBox::Information, QApplication::applicationName(), text(message), QMessageBox::Ok, parent_);
    box.setInformativeText(text(informative));
    box.exec();
}

bool QtPrompts::askYesNo(const std::string& question)
{
    return QMessageBox::question(
               parent_, QApplication::applicationName(), text(question), QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

platform::Answer QtPrompts::askYesNoCancel(const std::string& question)
{
    switch (QMessageBox::question(parent_, QApplication::applicationName(), text(question),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return platform::Answer::Yes;
    case QMessageBox::No:
        return platform::Answer::No;
    default:
        return platform::Answer::Cancel;
    }
}

std::optional<std::string> QtPrompts::chooseSaveFile(const platform::FileChoice& choice)
{
    return chooseFile(choice, true);
}

std::optional<std::string> QtPrompts::chooseOpenFile(const platform::FileChoice& choice)
{
    return chooseFile(choice, false);
}

std::optional<std::string> QtPrompts::chooseFile(const platform::FileChoice& choice, bool save)
{
    QFileDialog dialog(parent_, QApplication::applicationName(), text(choice.defaultName),
        text(dialogFilter(choice.filter)));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(text(choice.defaultExtension));
    dialog.setOption(QFileDialog::ReadOnly, false);
    // The name chosen may still get its extension, and a data file brings a
    // text export: the save asks about replacing the final files itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, save);
    if (!choice.folder.empty()) dialog.setDirectory(text(choice.folder));
    if (!choice.defaultName.empty()) dialog.selectFile(text(choice.defaultName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

std::optional<int> QtPrompts::sampleRate(int initialSeconds)
{
    const auto periodMs
        = ui::SampleRateDialog::ask(parent_, initialSeconds * platform::kMillisecondsPerSecond);
    if (!periodMs) return std::nullopt;
    return *periodMs / platform::kMillisecondsPerSecond;
}

}  // namespace brivon::ui
