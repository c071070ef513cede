// brivon --run with a state folder that cannot be written: the real main
// window with its real dialogs keeps sampling from the simulated meter, and
// no modal dialog ever appears; the status bar gives the reason.

#include "sim/PtyMeter.h"
#include "ui/app/CMainFrame.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace brivon {
namespace {

constexpr int kSamplesWanted = 3;
constexpr int kWaitMs = 10000;
constexpr int kModalPollMs = 20;

TEST(UnattendedRun, AnUnwritableJournalNeverStopsTheRunWithADialog)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    ASSERT_TRUE(QFile(home.filePath("state")).open(QIODevice::WriteOnly));  // no folder can go there
    qputenv("XDG_STATE_HOME", home.filePath("state").toUtf8());
    sim::PtyMeter meter;
    link::PortMap map;
    map.setPath(1, meter.slavePath());
    ui::CMainFrame frame(map, app::Configuration::fromEnvironment());
    frame.show();

    QStringList modals;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            modals << dialog->windowTitle();
            dialog->reject();
        }
    });
    watch.start(kModalPollMs);
    frame.logic().runAtLaunch(1);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return frame.document().run().sampleCount() >= kSamplesWanted; }, kWaitMs));
    watch.stop();
    EXPECT_TRUE(modals.isEmpty()) << modals.join(", ").toStdString();
    EXPECT_TRUE(frame.logic().runControl().running());
    ASSERT_NE(frame.visibleWarningPane(), nullptr);
    EXPECT_TRUE(frame.visibleWarningPane()->text().endsWith(": Not a directory"))
        << frame.visibleWarningPane()->text().toStdString();

    frame.closeUnattended();
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_STATE_HOME");
}

}  // namespace
}  // namespace brivon
