// "Y OFFSET And Y GAINS Setup": OK takes the chosen items; every other way out
// changes nothing, and the dialog is wide enough to show its title.

#include "ui/realtime/YAxisDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace brivon {
namespace {

constexpr graph::YAxisSetting kCurrent { 400, 4 };

QPushButton* buttonNamed(QWidget& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text) return button;
    return nullptr;
}

void click(QDialog& dialog, const QString& text)
{
    if (QPushButton* button = buttonNamed(dialog, text)) {
        button->click();
        return;
    }
    ADD_FAILURE() << "no " << text.toStdString() << " button";
    dialog.reject();
}

struct LeaveCase {
    const char* name;
    std::function<void(ui::YAxisDialog&)> leave;
    std::optional<graph::YAxisSetting> result;
};

void PrintTo(const LeaveCase& leaveCase, std::ostream* out)
{
    *out << leaveCase.name;
}

class YAxisDialogLeaving : public ::testing::TestWithParam<LeaveCase> { };

TEST_P(YAxisDialogLeaving, OnlyOkTakesTheChosenItems)
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ui::YAxisDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shown = true;
        dialog->gainList().setCurrentIndex(dialog->gainList().findText("4k"));
        dialog->offsetList().setCurrentIndex(dialog->offsetList().findText("2"));
        GetParam().leave(*dialog);
    });
    const auto result = ui::YAxisDialog::ask(nullptr, kCurrent);
    ASSERT_TRUE(shown);
    EXPECT_EQ(result, GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Ways, YAxisDialogLeaving,
    ::testing::Values(
        LeaveCase { "Ok", [](ui::YAxisDialog& d) { click(d, "OK"); }, graph::YAxisSetting { 4000, 2 } },
        LeaveCase { "Cancel", [](ui::YAxisDialog& d) { click(d, "Cancel"); }, std::nullopt },
        LeaveCase { "Escape", [](ui::YAxisDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, std::nullopt },
        LeaveCase { "Close", [](ui::YAxisDialog& d) { d.close(); }, std::nullopt }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(YAxisDialogSize, ShowsItsWholeTitle)
{
    ui::YAxisDialog dialog(kCurrent);
    dialog.show();
    QFont bold = dialog.font();
    bold.setBold(true);
    EXPECT_GT(dialog.width(), QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + 60);
}

}  // namespace
}  // namespace brivon
