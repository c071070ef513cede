#include "ui/app/COpenFileDlg.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace brivon {
namespace {

using Choice = ui::COpenFileDlg::Choice;

struct ButtonCase {
    std::string name;
    QString text;
    Choice choice;
};

class OpenFileChooser : public ::testing::TestWithParam<ButtonCase> { };

TEST_P(OpenFileChooser, EachButtonClosesWithItsChoice)
{
    ui::COpenFileDlg dialog;
    dialog.show();
    QPushButton& button
        = GetParam().choice == Choice::ListFile ? dialog.listFileButton() : dialog.graphFileButton();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Open File"));
    EXPECT_EQ(button.text(), GetParam().text);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.choice(), GetParam().choice);
}

INSTANTIATE_TEST_SUITE_P(Buttons, OpenFileChooser,
    ::testing::Values(ButtonCase { "ListFile", "Open List file(*.MemDat)", Choice::ListFile },
        ButtonCase { "GraphFile", "Open Graph file(*.AsmDat)", Choice::GraphFile }),
    [](const auto& param) { return param.param.name; });

TEST(OpenFileChooserClosed, WithoutAButtonChoosesNothing)
{
    ui::COpenFileDlg dialog;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.choice(), Choice::Nothing);
}

}  // namespace
}  // namespace brivon
