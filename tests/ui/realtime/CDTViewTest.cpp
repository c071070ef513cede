#include "ui/realtime/CDTView.h"

#include "support/FixedClock.h"
#include "ui/realtime/RealTimeStrip.h"
#include "ui/realtime/SampleRateDialog.h"
#include "ui/realtime/ScrollStrip.h"
#include "ui/realtime/StatisticsStrip.h"
#include "ui/realtime/YAxisDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace brivon {
namespace {

constexpr platform::TimeValue kStart = 1291730709;  // 14:05:09 UTC

class GraphView : public ::testing::Test {
protected:
    GraphView()
    {
        for (int i = 0; i < 500; ++i)
            samples.push_back(static_cast<float>(100 + i % 200));
        view.setSeriesSource([this] {
            realtime::GraphSeries s;
            s.samples = samples;
            s.sampleCount = static_cast<int>(samples.size());
            s.readingCount = s.sampleCount;
            s.startTime = kStart;
            s.samplePeriodMs = 1000;
            return s;
        });
        view.resize(1024, 768);
        view.show();
        view.grab();  // the first paint
    }

    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(&view, Qt::LeftButton, {}, from);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
    }

    support::FixedClock clock { kStart };
    std::vector<float> samples;
    link::StatisticsTexts statistics { .maximum = "300.00  Lux",
        .minimum = "100.00  Lux",
        .average = "200.00  Lux",
        .maximumTime = "14:05:10",
        .minimumTime = "14:05:09" };
    ui::CDTView view { clock };
};

TEST_F(GraphView, AMouseDragCreatesAZoomLevel)
{
    QSignalSpy zoomed(&view, &ui::CDTView::zoomChanged);
    drag({ 400, 200 }, { 600, 450 });
    EXPECT_TRUE(view.isZoomed());
    EXPECT_EQ(view.model().zoomScroll().level(), 1);
    ASSERT_EQ(zoomed.count(), 1);
    EXPECT_TRUE(zoomed.front().front().toBool());
    EXPECT_FALSE(view.isDragActive());
    const QScrollBar& bar = view.scrollStrip().scrollBar();
    EXPECT_TRUE(bar.isEnabled());
    EXPECT_EQ(bar.maximum(), 500);
    EXPECT_EQ(bar.value(), view.model().zoomScroll().scrollPosition());
}

TEST_F(GraphView, AClickWithoutMovingZoomsNothing)
{
    QTest::mouseClick(&view, Qt::LeftButton, {}, { 500, 300 });
    EXPECT_FALSE(view.isZoomed());
    EXPECT_FALSE(view.isDragActive());
}

TEST_F(GraphView, UndoZoomReturnsToTheWholeRunAndDisablesScrolling)
{
    drag({ 400, 200 }, { 800, 450 });
    drag({ 400, 200 }, { 800, 450 });
    drag({ 400, 200 }, { 800, 450 });
    ASSERT_EQ(view.model().zoomScroll().level(), 3);
    view.undoZoom();
    EXPECT_FALSE(view.isZoomed());
    EXPECT_FALSE(view.scrollStrip().scrollBar().isEnabled());
}

TEST_F(GraphView, ScrollingMovesTheZoomedView)
{
    drag({ 400, 200 }, { 600, 450 });
    view.scrollStrip().scrollBar().setValue(30);
    EXPECT_EQ(view.model().zoomScroll().scrollPosition(), 30);
    view.scrollStrip().scrollBar().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(view.model().zoomScroll().scrollPosition(), 31);
}

TEST_F(GraphView, MovingOverThePlotReadsOutTheNearestSample)
{
    QSignalSpy readout(&view, &ui::CDTView::readoutChanged);
    QTest::mouseMove(&view, { 294, 300 });
    ASSERT_GE(readout.count(), 1);
    EXPECT_EQ(readout.back().at(0).toString(), QStringLiteral("time:14:05:09"));
    EXPECT_EQ(readout.back().at(1).toString(), QStringLiteral("Data:100.00Lux"));
}

TEST_F(GraphView, FFitsTheShownValuesAndUndoZoomGoesBack)
{
    QSignalSpy zoomed(&view, &ui::CDTView::zoomChanged);
    QTest::keyClick(&view, Qt::Key_F);
    ASSERT_EQ(view.model().zoomScroll().level(), 1);
    EXPECT_EQ(zoomed.count(), 1);
    // The samples run from 100 to 299 on an axis of 0 ... 400.
    const auto& labels = view.model().zoomScroll().currentMap().labels;
    EXPECT_GT(labels.front(), 80.0f);
    EXPECT_LT(labels.front(), 100.0f);
    EXPECT_GT(labels.back(), 299.0f);
    EXPECT_LT(labels.back(), 320.0f);
    EXPECT_TRUE(view.scrollStrip().scrollBar().isEnabled());
    view.undoZoom();
    EXPECT_EQ(view.model().zoomScroll().level(), 0);
}

TEST_F(GraphView, TheArrowKeysStepTheReadOutFromSampleToSample)
{
    EXPECT_TRUE(view.focusPolicy() & Qt::ClickFocus);
    QSignalSpy readout(&view, &ui::CDTView::readoutChanged);
    // Two moves: a move to where an earlier test left the pointer sends nothing.
    QTest::mouseMove(&view, { 300, 310 });
    QTest::mouseMove(&view, { 294, 300 });  // sample 0
    // More samples than pixels: each step still reaches the next sample.
    for (const char* expected : { "Data:101.00Lux", "Data:102.00Lux" }) {
        QTest::keyClick(&view, Qt::Key_Right);
        EXPECT_EQ(readout.back().at(1).toString(), QString::fromLatin1(expected));
    }
    EXPECT_EQ(readout.back().at(0).toString(), QStringLiteral("time:14:05:11"));
    QTest::keyClick(&view, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(readout.back().at(1).toString(), QStringLiteral("Data:112.00Lux"));
    QTest::keyClick(&view, Qt::Key_End);
    EXPECT_EQ(readout.back().at(1).toString(), QStringLiteral("Data:199.00Lux"));  // sample 499
    EXPECT_EQ(view.cursorX(), view.model().zoomScroll().columnOf(499));
}

TEST_F(GraphView, TheCursorShowsWhiteOnTheBlackPlot)
{
    QTest::mouseMove(&view, { 700, 300 });
    const QImage shot = view.grab().toImage();
    int white = 0;
    for (int y = 151; y < 160; ++y)
        white += shot.pixelColor(700, y) == QColor(Qt::white);
    EXPECT_GT(white, 0);
    EXPECT_LT(white, 9);  // dotted
    EXPECT_EQ(shot.pixelColor(702, 152), QColor(Qt::black));
}

TEST_F(GraphView, DraggingFarOutOfThePlotCancelsTheDrag)
{
    QTest::mousePress(&view, Qt::LeftButton, {}, { 400, 200 });
    QTest::mouseMove(&view, { 500, 300 });
    QTest::mouseMove(&view, { 500, 700 });  // at or below client bottom - 130
    // The drag watch looks every 10 ms; a loaded machine may take longer to let it.
    static_cast<void>(QTest::qWaitFor([this] { return !view.isDragActive(); }, 5000));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, { 500, 700 });
    EXPECT_FALSE(view.isZoomed());
    EXPECT_FALSE(view.isDragActive());
}

TEST_F(GraphView, StripsShowTheTextsTheyAreGiven)
{
    view.setStripSource([] { return realtime::RunStripTexts { "07/12/10 14:05:09", "500", "1", "Normal" }; });
    EXPECT_EQ(
        view.realTimeStrip().findChild<QLineEdit*>(QStringLiteral("dataNo"))->text(), QStringLiteral("500"));
    view.statisticsStrip().setStatistics(statistics);
    EXPECT_EQ(view.statisticsStrip().findChild<QLineEdit*>(QStringLiteral("maximum"))->text(),
        QStringLiteral("300.00  Lux"));
    EXPECT_EQ(view.statisticsStrip().statistics().average, "200.00  Lux");
    EXPECT_TRUE(view.realTimeStrip().isVisible());
    EXPECT_EQ(view.realTimeStrip().geometry(), QRect(228, 0, 1024 - 230, 120));
}

TEST_F(GraphView, TheYAxisButtonAsksForTheAxis)
{
    QSignalSpy clicked(&view.realTimeStrip(), &ui::RealTimeStrip::yAxisClicked);
    QTest::mouseClick(static_cast<QWidget*>(&view.realTimeStrip().yAxisButton()), Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(YAxisDialog, ShowsTheSettingListsStartUnchosenAndSetTheAxis)
{
    ui::YAxisDialog dialog({ 400, 4 });
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Y OFFSET And Y GAINS Setup"));
    EXPECT_EQ(dialog.currentText(), QStringLiteral("Now: 400 per division, offset 4 divisions"));
    EXPECT_EQ(dialog.gainList().currentIndex(), -1);
    EXPECT_EQ(dialog.gainList().count(), 5);
    EXPECT_EQ(dialog.offsetList().itemText(5), QStringLiteral("10"));
    EXPECT_EQ(dialog.chosen(), (graph::YAxisSetting { 400, 4 }));
    dialog.gainList().setCurrentIndex(dialog.gainList().findText(QStringLiteral("4k")));
    dialog.offsetList().setCurrentIndex(dialog.offsetList().findText(QStringLiteral("2")));
    EXPECT_EQ(dialog.chosen(), (graph::YAxisSetting { 4000, 2 }));
}

TEST(SampleRateDialog, TakesWholeSecondsOfAtLeastOne)
{
    ui::SampleRateDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Sample Rate Setup"));
    EXPECT_EQ(dialog.secondsEdit().text(), QStringLiteral("1"));
    dialog.setCurrentPeriodMs(5000);
    EXPECT_EQ(dialog.secondsEdit().text(), QStringLiteral("5"));
    for (const char* typed : { "0", "-3" }) {
        dialog.secondsEdit().clear();
        QTest::keyClicks(&dialog.secondsEdit(), QString::fromLatin1(typed));
        EXPECT_EQ(dialog.periodMs(), 1000) << typed;
        EXPECT_EQ(dialog.sampleRateText(), QStringLiteral("1"));
    }
}

}  // namespace
}  // namespace brivon
