#include "ui/help/HelpWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace brivon::ui {
namespace {

constexpr const char* kTitle = "Brivon Help";
constexpr int kWidth = 760;
constexpr int kHeight = 640;

QString missingPage(const QString& path)
{
    return QStringLiteral("<h1>%1</h1><p>The help file <code>%2</code> cannot be found. "
                          "It belongs beside the program; install Brivon again to put it back.</p>")
        .arg(QString::fromLatin1(kTitle), path.toHtmlEscaped());
}

}  // namespace

QString HelpWindow::helpFilePath(const QString& folder)
{
    return folder.endsWith('/') ? folder + kFileName : folder + '/' + kFileName;
}

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent)
    , browser_(new QTextBrowser(this))
{
    setWindowTitle(QString::fromLatin1(kTitle));
    // A window of its own beside the main window, with the usual frame.
    setWindowFlags(Qt::Window);
    setObjectName(QStringLiteral("helpWindow"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(kWidth, kHeight);
}

HelpWindow& HelpWindow::showFor(QWidget* parent)
{
    auto* window = parent ? parent->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) {
        window = new HelpWindow(parent);
        window->load(helpFilePath(QApplication::applicationDirPath()));
    }
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

void HelpWindow::load(const QString& path)
{
    if (QFileInfo(path).isFile())
        browser_->setSource(QUrl::fromLocalFile(path));
    else
        browser_->setHtml(missingPage(path));
}

}  // namespace brivon::ui
