// A light survey of the room brivon-meter-sim --survey-room holds, downloaded as a user does.

#include "integration/CliProcess.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace brivon {
namespace {

constexpr int kStartMs = 5000;
constexpr int kDownloadMs = 30000;  // past the progress dialog's longest time-out

TEST(SimulatedRoomSurvey, DownloadsAsAGridWhoseUniformityFallsOffTowardsTheWalls)
{
    QProcess meter;
    meter.start(BRIVON_BINARY_DIR "/brivon-meter-sim", { "--survey-room", "4x5" });
    ASSERT_TRUE(meter.waitForReadyRead(kStartMs)) << meter.readAllStandardError().toStdString();
    const QString device = QString::fromUtf8(meter.readLine()).trimmed();
    QTemporaryDir folder;

    const support::CliRun download
        = support::runCli({ "download", "memory", "--device", device, "-o", folder.filePath("room") },
            QProcessEnvironment::systemEnvironment(), kDownloadMs);
    ASSERT_EQ(download.exitCode, 0) << download.errors.toStdString();
    const support::CliRun survey = support::runCli({ "survey", folder.filePath("room.MemDat"), "--grid",
        "4x5", "--required", "500", "--uniformity", "0.4" });
    meter.terminate();
    meter.waitForFinished();

    ASSERT_EQ(survey.exitCode, 0) << survey.errors.toStdString();  // a typical requirement is met
    const QList<QByteArray> lines = survey.output.split('\n');
    ASSERT_GE(lines.size(), 2);
    const QList<QByteArray> figures = lines[1].split(',');  // points,average,minimum,maximum,u0,ud,result
    ASSERT_GE(figures.size(), 5) << lines[1].toStdString();
    EXPECT_EQ(figures[0], "20");
    EXPECT_GT(figures[4].toDouble(), 0.3);
    EXPECT_LT(figures[4].toDouble(), 0.8);
}

}  // namespace
}  // namespace brivon
