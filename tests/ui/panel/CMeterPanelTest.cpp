#include "ui/panel/CMeterPanel.h"

#include "core/panel/PanelLayout.h"
#include "support/FakeSerialPort.h"
#include "support/FakeTimers.h"
#include "ui/panel/PictureButton.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace brivon {
namespace {

using support::FakeSerialPort;
using support::FakeTimers;
using support::hex;

const QColor kDisplayColor(168, 191, 163);

class MeterPanelWidget : public ::testing::Test {
protected:
    MeterPanelWidget()
    {
        link.create(1);
        port.clearLog();
        panel.show();
    }

    ui::PictureButton& buttonOf(panel::PanelButtonId id)
    {
        ui::PictureButton* found = panel.button(id);
        EXPECT_NE(found, nullptr);
        return *found;
    }
    std::vector<std::string> writes() const
    {
        std::vector<std::string> all;
        for (const auto& w : port.writes())
            all.push_back(hex(w));
        return all;
    }
    // Pixels of the display window in the colour of "OFFLINE".
    int redPixelsInDisplay()
    {
        const QImage image = panel.grab().toImage();
        int red = 0;
        for (int y = 125; y < 275; ++y)
            for (int x = 52; x < 166; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++red;
            }
        return red;
    }

    FakeSerialPort port;
    link::SerialLink link { port };
    FakeTimers timers;
    ui::CMeterPanel panel { link, timers };
};

using Strings = std::vector<std::string>;

TEST_F(MeterPanelWidget, ClickingHoldSendsItsKeyCommandAndRestartsTheLink)
{
    QTest::mouseClick(&buttonOf(panel::PanelButtonId::Hold), Qt::LeftButton);
    EXPECT_FALSE(port.portOpen());
    timers.advance(50);
    EXPECT_EQ(writes(), Strings { "87 83 EF" });
    timers.advance(300);
    EXPECT_EQ(writes(), (Strings { "87 83 EF", "11" }));
}

TEST_F(MeterPanelWidget, DoubleClickOnMemSetSendsOnlyTheDoubleClickCode)
{
    QTest::mouseDClick(&buttonOf(panel::PanelButtonId::MemSet), Qt::LeftButton);
    timers.advance(1000);
    EXPECT_EQ(writes(), (Strings { "87 83 DC", "11" }));
}

TEST_F(MeterPanelWidget, SingleClickOnMemSetWaitsForADoubleClickFirst)
{
    QTest::mouseClick(&buttonOf(panel::PanelButtonId::MemSet), Qt::LeftButton);
    timers.advance(99);
    EXPECT_TRUE(port.portOpen());
    timers.advance(51);
    EXPECT_EQ(writes(), Strings { "87 83 FB" });
}

TEST_F(MeterPanelWidget, PowerOffIsReportedAndSendsNothing)
{
    QSignalSpy spy(&panel, &ui::CMeterPanel::powerOffClicked);
    QTest::mouseClick(&buttonOf(panel::PanelButtonId::PowerOff), Qt::LeftButton);
    timers.advance(1000);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(port.operations().empty());
}

TEST_F(MeterPanelWidget, ButtonsSitOverTheirKeysAndShowTheirWholePicture)
{
    for (const panel::PanelButton& entry : panel::panelButtons()) {
        ui::PictureButton& b = buttonOf(entry.id);
        EXPECT_EQ(b.parentWidget(), &panel) << entry.label;
        EXPECT_EQ(b.geometry(), QRect(entry.position.x, entry.position.y, entry.width, entry.height))
            << entry.label;
        const QImage picture(QStringLiteral(":/images/%1.png").arg(QLatin1String(entry.imageName)));
        EXPECT_EQ(picture.size(), b.size()) << entry.label;
        EXPECT_EQ(b.grab().toImage().convertToFormat(QImage::Format_RGB32),
            picture.convertToFormat(QImage::Format_RGB32))
            << entry.label;
    }
}

TEST_F(MeterPanelWidget, HandCursorOnlyWhileAKeyIsHeldDown)
{
    ui::PictureButton& hold = buttonOf(panel::PanelButtonId::Hold);
    QTest::mousePress(&hold, Qt::LeftButton);
    EXPECT_EQ(hold.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseRelease(&hold, Qt::LeftButton);
    EXPECT_EQ(hold.cursor().shape(), Qt::ArrowCursor);

    ui::PictureButton& power = buttonOf(panel::PanelButtonId::PowerOff);
    QTest::mousePress(&power, Qt::LeftButton);
    EXPECT_EQ(power.cursor().shape(), Qt::ArrowCursor);
    QTest::mouseRelease(&power, Qt::LeftButton);
}

class MeterPanelKeys : public MeterPanelWidget, public ::testing::WithParamInterface<Qt::Key> { };

TEST_P(MeterPanelKeys, EscapeAndEnterNeitherCloseThePanelNorPressAKey)
{
    QTest::keyClick(&panel, GetParam());
    ui::PictureButton& hold = buttonOf(panel::PanelButtonId::Hold);
    hold.setFocus();
    QTest::keyClick(&hold, GetParam());
    timers.advance(1000);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.result(), 0);
    EXPECT_TRUE(port.operations().empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, MeterPanelKeys,
    ::testing::Values(Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter), [](const auto& param) {
        return std::string(param.param == Qt::Key_Escape ? "Escape"
                : param.param == Qt::Key_Return          ? "Return"
                                                         : "Enter");
    });

TEST_F(MeterPanelWidget, ShowsOfflineUntilTheFirstFrameThenTheReading)
{
    EXPECT_GT(redPixelsInDisplay(), 100);

    link::Reading reading;
    reading.readingText = "123.4";
    reading.barCount = 40;
    panel.setOffline(false);
    panel.showReading(reading);
    EXPECT_EQ(panel.display().texts().reading, "123.4");
    EXPECT_EQ(redPixelsInDisplay(), 0);

    const QImage image = panel.grab().toImage();
    EXPECT_EQ(image.pixelColor(53, 126), kDisplayColor);
    EXPECT_EQ(image.pixelColor(109, 185), QColor(Qt::black)) << "the middle tick of the arc";
}

// The display rectangle is what a change of state repaints: "OFFLINE" drawn
// past it would stay on screen after the meter comes back.
TEST_F(MeterPanelWidget, OfflineStaysInsideTheDisplay)
{
    const QImage offline = panel.grab().toImage();
    panel.setOffline(false);
    const QImage online = panel.grab().toImage();
    auto isRed = [](const QColor& c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; };
    QRect drawn;  // where "OFFLINE" put red over the face
    for (int y = 0; y < offline.height(); ++y)
        for (int x = 0; x < offline.width(); ++x)
            if (isRed(offline.pixelColor(x, y)) && !isRed(online.pixelColor(x, y)))
                drawn |= QRect(x, y, 1, 1);
    ASSERT_FALSE(drawn.isEmpty());
    const QRect display(52, 125, 114, 150);
    EXPECT_TRUE(display.contains(drawn)) << "red from (" << drawn.left() << ", " << drawn.top() << ") to ("
                                         << drawn.right() << ", " << drawn.bottom() << ")";
}

TEST_F(MeterPanelWidget, MeterFaceFillsTheBackgroundAndTheStripBelowIt)
{
    panel.placeInClientArea(700);
    EXPECT_EQ(panel.geometry(), QRect(0, 31, 228, 650));
    const QImage face(QStringLiteral(":/images/meter-face.png"));
    const QImage image = panel.grab().toImage();
    EXPECT_EQ(image.pixelColor(20, 300), face.pixelColor(20, 300));
    EXPECT_EQ(image.pixelColor(10, 640), QColor(217, 218, 212));
}

}  // namespace
}  // namespace brivon
