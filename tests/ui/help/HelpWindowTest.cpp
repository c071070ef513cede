// The help window: where it looks for the guide, and what it says when the guide is missing.

#include "ui/help/HelpWindow.h"

#include <QTextBrowser>
#include <QWidget>

#include <gtest/gtest.h>

namespace brivon {
namespace {

struct FolderCase {
    const char* name;
    const char* folder;
    const char* path;
};

class HelpFilePath : public ::testing::TestWithParam<FolderCase> { };

TEST_P(HelpFilePath, JoinsTheExecutablesFolderAndTheFileName)
{
    EXPECT_EQ(ui::HelpWindow::helpFilePath(GetParam().folder), QString(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(Folders, HelpFilePath,
    ::testing::Values(FolderCase { "Plain", "/usr/local/lib/brivon", "/usr/local/lib/brivon/help.html" },
        FolderCase { "EndingInASlash", "/opt/brivon/", "/opt/brivon/help.html" },
        FolderCase { "Root", "/", "/help.html" }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(HelpWindow, AMissingGuideIsSaidSoWithItsPath)
{
    QWidget owner;
    ui::HelpWindow& window = ui::HelpWindow::showFor(&owner);
    window.load("/nonexistent/brivon/help.html");
    const QString shown = window.browser().toPlainText();
    EXPECT_TRUE(shown.contains("/nonexistent/brivon/help.html cannot be found")) << shown.toStdString();
    EXPECT_EQ(&ui::HelpWindow::showFor(&owner), &window) << "one help window per owner";
}

}  // namespace
}  // namespace brivon
