#include "ui/app/ComPortDialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace brivon {
namespace {

const std::vector<ui::SerialPortEntry> kPorts {
    { "/dev/ttyUSB0", "FT232R USB UART", "FTDI", "A10K1234" },
    { "/dev/ttyS0", "", "", "" },
};

TEST(ComPortSetup, ListsThePortsPresentAndGivesThePickedDeviceWithTheTypedNumber)
{
    ui::ComPortDialog dialog(5, kPorts);
    dialog.show();
    QListWidget& list = dialog.portList();
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(0)->text(), "/dev/ttyUSB0  FT232R USB UART, FTDI, A10K1234");
    EXPECT_EQ(list.item(1)->text(), "/dev/ttyS0");

    EXPECT_FALSE(dialog.choice().device) << "nothing picked at first";
    list.setCurrentRow(1);
    dialog.numberEdit().clear();
    QTest::keyClicks(&dialog.numberEdit(), "12");
    QTest::keyClick(&dialog.numberEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const ui::ComPortDialog::Choice choice = dialog.choice();
    EXPECT_EQ(choice.number, 12);
    EXPECT_EQ(choice.device, QString("/dev/ttyS0"));
}

TEST(ComPortSetup, APickedDeviceNeedsNoNumber)
{
    ui::ComPortDialog dialog(5, kPorts);
    dialog.show();
    dialog.numberEdit().clear();
    dialog.portList().setCurrentRow(0);
    QTest::keyClick(&dialog.numberEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.choice().number, std::nullopt);
    EXPECT_EQ(dialog.choice().device, QString("/dev/ttyUSB0"));
}

}  // namespace
}  // namespace brivon
