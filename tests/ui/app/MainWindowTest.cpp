// The main window as a new user first meets it: its smallest size, and the
// user's guide in the program's own help window.

#include "core/app/CommandIds.h"
#include "support/ScriptedPrompts.h"
#include "ui/app/CMainFrame.h"
#include "ui/panel/CMeterPanel.h"
#include "ui/realtime/CDTView.h"
#include "ui/realtime/RealTimeStrip.h"
#include "ui/realtime/StatisticsStrip.h"

#include <QAction>
#include <QApplication>
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
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
        link::PortMap map;
        map.setPath(1, "/dev/brivon-no-such-port");
        frame = std::make_unique<ui::CMainFrame>(map, app::Configuration::fromEnvironment(), &prompts);
    }
    void TearDown() override
    {
        frame.reset();
        qunsetenv("XDG_CONFIG_HOME");
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

    QTemporaryDir configHome;
    testing::ScriptedPrompts prompts;
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

}  // namespace
}  // namespace brivon
