// The main window as a new user first meets it: its smallest size, the
// user's guide in the program's own help window, its keys and its warnings.

#include "core/app/CommandIds.h"
#include "support/ScriptedPrompts.h"
#include "support/TemporaryHome.h"
#include "ui/app/CMainFrame.h"
#include "ui/panel/CMeterPanel.h"
#include "ui/realtime/CDTView.h"
#include "ui/realtime/RealTimeStrip.h"
#include "ui/realtime/StatisticsStrip.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace brivon {
namespace {

constexpr int kFaceHeight = 620;

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(configHome.isValid());
        createWindow();
    }
    void TearDown() override { frame.reset(); }

    void createWindow()
    {
        frame.reset();
        link::PortMap map;
        map.setPath(1, "/dev/brivon-no-such-port");
        frame = std::make_unique<ui::CMainFrame>(map, app::Configuration::fromEnvironment(), &prompts);
    }
    void showWindow()
    {
        frame->resize(1000, 650);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }
    // The status bar's label that shows `text`.
    const QLabel* statusLabel(const QString& text) const
    {
        for (const QLabel* label : frame->statusBar()->findChildren<QLabel*>())
            if (label->text() == text) return label;
        return nullptr;
    }

    // The visible text browsers of every window.
    static QList<QTextBrowser*> visibleBrowsers()
    {
        QList<QTextBrowser*> found;
        for (QWidget* window : QApplication::topLevelWidgets())
            for (QTextBrowser* browser : window->findChildren<QTextBrowser*>())
                if (browser->isVisible() && browser->window() == window) found << browser;
        return found;
    }

    support::TemporaryHome configHome { "state" };
    support::ScriptedPrompts prompts;
    std::unique_ptr<ui::CMainFrame> frame;
};

TEST_F(MainWindow, TooSmallAWindowStillShowsTheWholePanelAndTheStrips)
{
    frame->resize(1000, 650);
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    const ui::CDTView& view = frame->view();
    const QRect panel = frame->panel().geometry();
    EXPECT_GE(panel.height(), kFaceHeight) << "the meter picture is cut off";
    // The panel reaches one pixel below the view, as the layout places it; the picture does not.
    EXPECT_LE(panel.top() + kFaceHeight, view.height());
    EXPECT_GE(panel.top(), 0);
    for (const QWidget* strip : { static_cast<const QWidget*>(&frame->view().realTimeStrip()),
             static_cast<const QWidget*>(&frame->view().statisticsStrip()) }) {
        EXPECT_GE(strip->width(), strip->sizeHint().width()) << strip->metaObject()->className();
        EXPECT_TRUE(view.rect().contains(strip->geometry())) << strip->metaObject()->className();
    }
}

TEST_F(MainWindow, HelpContentsShowsTheGuideBesideTheProgramInItsOwnWindow)
{
    frame->show();
    EXPECT_TRUE(
        frame->action(app::command_ids::kHelpContents)->shortcuts().contains(QKeySequence(Qt::Key_F1)));
    frame->action(app::command_ids::kHelpContents)->trigger();
    QList<QTextBrowser*> browsers = visibleBrowsers();
    ASSERT_EQ(browsers.size(), 1);
    EXPECT_EQ(browsers[0]->source().toLocalFile(), QApplication::applicationDirPath() + "/help.html");
    EXPECT_EQ(browsers[0]->documentTitle(), "Brivon Help");
    EXPECT_EQ(browsers[0]->window()->windowTitle(), "Brivon Help");

    frame->action(app::command_ids::kHelpContents)->trigger();
    EXPECT_EQ(visibleBrowsers(), browsers) << "the same window comes to the front";
}

TEST_F(MainWindow, AnUnreadableSettingsFileIsSaidInAPaneOfItsOwnBesideTheLinkPane)
{
    ASSERT_TRUE(QDir(configHome.path()).mkpath("brivon/Brivonconfig.ini"));  // a folder: it cannot be read
    createWindow();
    showWindow();
    const QLabel* warning = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (warning = frame->visibleWarningPane()) != nullptr; }));
    EXPECT_TRUE(warning->text().startsWith("The settings in Brivonconfig.ini cannot be read"))
        << warning->text().toStdString();
    EXPECT_TRUE(frame->statusBar()->currentMessage().isEmpty()) << "a message drawn over the panes";
    const QLabel* link = statusLabel(frame->statusPaneText(0));
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(link->isVisible());
    EXPECT_FALSE(link->geometry().intersects(warning->geometry()));
}

TEST_F(MainWindow, EscapeDuringARunLeavesItRunning)
{
    showWindow();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    frame->logic().runAtLaunch(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->action(app::command_ids::kStop)->isEnabled(); }));
    for (QWidget* target : { static_cast<QWidget*>(frame.get()), static_cast<QWidget*>(&frame->view()) })
        QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_TRUE(frame->logic().runControl().running());
    EXPECT_TRUE(frame->action(app::command_ids::kStop)->isEnabled());
}

TEST_F(MainWindow, ResetStatisticsClearsTheStrip)
{
    ui::StatisticsStrip& strip = frame->view().statisticsStrip();
    strip.setStatistics({ "300.00  Lux", "100.00  Lux", "200.00  Lux", "10:00:00", "10:00:01" });
    frame->action(app::command_ids::kResetStatistics)->trigger();
    EXPECT_EQ(strip.statistics().maximum, "----");
    EXPECT_EQ(strip.statistics().average, "----");
}

TEST_F(MainWindow, AGraphFileThatCannotBeOpenedIsSaidAndReportedToTheCaller)
{
    EXPECT_FALSE(frame->showGraphFile(configHome.filePath("missing.AsmDat").toStdString()));
    EXPECT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindow, AJournalThatCannotBeWrittenIsToldAfterTheSampleAndShownInTheStatusBar)
{
    ASSERT_TRUE(QFile(configHome.filePath("state")).open(QIODevice::WriteOnly));  // no folder can go there
    createWindow();
    showWindow();
    prompts.sampleRates.push_back(1);
    frame->logic().run();
    frame->document().resetForNewRun(platform::SystemClock().now());
    for (int k = 0; k < 2; ++k) {
        frame->document().commitSample();
        EXPECT_TRUE(prompts.messages().empty()) << "a box inside the sample's tick";
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.messages().empty(); }));
    QTest::qWait(50);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].rfind("The run journal cannot be written: ", 0), 0u)
        << prompts.messages()[0];
    EXPECT_TRUE(prompts.messages()[0].ends_with(": Not a directory")) << prompts.messages()[0];
    const QLabel* warning = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (warning = frame->visibleWarningPane()) != nullptr; }));
    EXPECT_EQ(warning->text().toStdString(), prompts.messages()[0]);
}

}  // namespace
}  // namespace brivon
