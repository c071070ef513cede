// brivon-cli survey on a memory list file written by the program.

#include "core/files/MemoryFile.h"
#include "core/measure/Units.h"
#include "integration/CliFileTest.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brivon {
namespace {

// Six usable records (Ē 500, Emin 402, Emax 610, the fourth in foot-candles),
// then one over range and one relative.
QByteArray memoryFile()
{
    struct Stored {
        float lux;
        std::uint8_t footCandle;
        const char* status;
    };
    const std::vector<Stored> stored { { 450, 0, "General" }, { 520, 0, "General" }, { 610, 0, "General" },
        { 538, 1, "General" }, { 480, 0, "General" }, { 402, 0, "General" },
        { measure::kOverRange, 0, "General" }, { 300, 0, store::kRelativeStatus } };
    store::MemoryBlock block;
    for (const Stored& s : stored) {
        const std::string time = "07/12/10 14:0" + std::to_string(block.recordCount) + ":00";
        block.records[static_cast<std::size_t>(block.recordCount++)]
            = { s.lux, time, s.status, 0, s.footCandle };
    }
    return QByteArray::fromStdString(files::memoryFileBytes(block));
}

struct SurveyCase {
    const char* name;
    QStringList options;
    int exitCode;
    const char* output;
    const char* errors;  // after "FILE: " for a refusal; the start of the usage for exit 1
};

class CliSurvey : public support::CliFileTest, public ::testing::WithParamInterface<SurveyCase> { };

TEST_P(CliSurvey, PrintsTheFiguresAndExitsWithTheVerdict)
{
    const SurveyCase& c = GetParam();
    const QString file = write("list.MemDat", memoryFile());
    const support::CliRun result = support::runCli(QStringList { "survey", file } << c.options);
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_EQ(result.output.toStdString(), c.output);
    if (c.exitCode == 2) {
        EXPECT_EQ(result.errors.toStdString(), file.toStdString() + ": " + c.errors + "\n");
    } else {
        EXPECT_TRUE(result.errors.startsWith(c.errors)) << result.errors.toStdString();
    }
    const bool refused = c.exitCode != 0 && c.exitCode != 5;
    if (refused) {
        EXPECT_EQ(
            QDir(folder_.path()).entryList(QDir::Files), QStringList { "list.MemDat" });  // nothing written
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CliSurvey,
    ::testing::Values(
        SurveyCase { "Pass",
            { "--grid", "2x3", "--records", "1-6", "--required", "500", "--uniformity", "0.6" }, 0,
            "points,average,minimum,maximum,u0,ud,result\n6,500.00,402.00,610.00,0.80,0.66,pass\n", "" },
        SurveyCase { "Fail", { "--grid", "3x2", "--records", "1-6", "--uniformity", "0.85" }, 5,
            "points,average,minimum,maximum,u0,ud,result\n6,500.00,402.00,610.00,0.80,0.66,fail\n", "" },
        SurveyCase { "NoRequirementWithArea", { "--grid", "3x2", "--records", "1-6", "--area", "4x3" }, 0,
            "points,average,minimum,maximum,u0,ud,result\n6,500.00,402.00,610.00,0.80,0.66,\n"
            "spacing: at most 0.53 m, at least 8 x 6 points; the grid 3 x 2 is too coarse\n",
            "" },
        SurveyCase { "OverRangeRecord", { "--grid", "2x4", "--csv", "points" }, 2, "",
            "point (2, 3), record 7: over range (OL)" },
        SurveyCase { "GridOfAnotherSize", { "--grid", "2x2", "--records", "3-8" }, 2, "",
            "record 7 has no point: the grid 2 x 2 has 4 points, but 6 records were chosen" },
        SurveyCase { "RequiredNotPositive", { "--grid", "2x3", "--records", "1-6", "--required", "-5" }, 2,
            "", "required average illuminance -5 lx: not a positive finite number" },
        SurveyCase { "GridNotMadeOut", { "--grid", "2by3" }, 1, "", "usage: brivon-cli survey" },
        SurveyCase { "RequiredNotANumber", { "--grid", "2x3", "--required", "lots" }, 1, "",
            "usage: brivon-cli survey" },
        SurveyCase { "NoGrid", { "--records", "1-6" }, 1, "", "usage: brivon-cli survey" },
        SurveyCase { "TitleWithoutReport", { "--grid", "2x3", "--records", "1-6", "--title", "Hall" }, 1, "",
            "usage: brivon-cli survey" },
        SurveyCase { "PageNotKnown", { "--grid", "2x3", "--records", "1-6", "-o", "r", "--page", "A5" }, 1,
            "",
            "brivon-cli survey: unsupported page size \"A5\"; use A4 or Letter\nusage: brivon-cli survey" },
        SurveyCase { "ReportOfARefusedSurvey", { "--grid", "2x4", "-o", "report" }, 2, "",
            "point (2, 3), record 7: over range (OL)" }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(CliSurvey, WritesThePointsAndNeverReplacesAFile)
{
    const QString file = write("list.MemDat", memoryFile());
    const QStringList arguments { "survey", file, "--grid", "2x2", "--records", "3-6", "--csv",
        folder_.filePath("points") };
    const support::CliRun first = support::runCli(arguments);
    ASSERT_EQ(first.exitCode, 0) << first.errors.toStdString();
    QFile points(folder_.filePath("points.csv"));
    ASSERT_TRUE(points.open(QIODevice::ReadOnly));
    EXPECT_EQ(points.readAll().toStdString(),
        "row,column,record,lux,time\r\n"
        "1,1,3,610.00,2010-12-07T14:02:00\r\n"
        "1,2,4,538.00,2010-12-07T14:03:00\r\n"
        "2,1,5,480.00,2010-12-07T14:04:00\r\n"
        "2,2,6,402.00,2010-12-07T14:05:00\r\n");
    points.close();

    const support::CliRun second = support::runCli(arguments);
    EXPECT_EQ(second.exitCode, 2);
    EXPECT_TRUE(second.output.isEmpty());
    EXPECT_EQ(second.errors.toStdString(),
        points.fileName().toStdString() + ": exists already; choose another name with --csv\n");
}

struct ReportCase {
    const char* name;
    QStringList options;
    int exitCode;
    const char* mediaBox;
    QStringList words;
};

class CliSurveyReport : public support::CliFileTest, public ::testing::WithParamInterface<ReportCase> { };

TEST_P(CliSurveyReport, WritesTheReportAsSearchablePdfAndNeverReplacesIt)
{
    const ReportCase& c = GetParam();
    const QString file = write("list.MemDat", memoryFile());
    const QStringList arguments = QStringList {
        "survey", file, "--grid", "2x3", "--records", "1-6", "-o", folder_.filePath("site report")
    } << c.options;
    const support::CliRun first = support::runCli(arguments, utcEnvironment());
    ASSERT_EQ(first.exitCode, c.exitCode) << first.errors.toStdString();
    EXPECT_TRUE(first.output.startsWith("points,average")) << first.output.toStdString();
    const QString pdf = folder_.filePath("site report.pdf");
    QFile bytes(pdf);
    ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
    EXPECT_TRUE(bytes.readAll().contains(c.mediaBox));
    QProcess pdftotext;
    pdftotext.start("pdftotext", { pdf, "-" });
    ASSERT_TRUE(pdftotext.waitForFinished(10000)) << "pdftotext did not run";
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const QString& word : c.words)
        EXPECT_TRUE(text.contains(word)) << word.toStdString() << "\n" << text.toStdString();

    const support::CliRun second
        = support::runCli(QStringList(arguments) << "--csv" << folder_.filePath("points"));
    EXPECT_EQ(second.exitCode, 2);
    EXPECT_EQ(
        second.errors.toStdString(), pdf.toStdString() + ": exists already; choose another name with -o\n");
    EXPECT_FALSE(QFile::exists(folder_.filePath("points.csv")));
}

INSTANTIATE_TEST_SUITE_P(Cases, CliSurveyReport,
    ::testing::Values(
        ReportCase { "MetOnA4", { "--required", "500", "--uniformity", "0.6", "--area", "4x3" }, 0,
            "/MediaBox [0 0 595",
            { "Light survey", "Grid 2 \u00d7 3, records 1\u20136, 2010-12-07T14:00:00 to 2010-12-07T14:05:00",
                "Emin: 402.00 lx", "U0: 0.80", "Ud: 0.66",
                "Requirement: \u0112 \u2265 500.00 lx and U0 \u2265 0.60 \u2014 met",
                "the grid 2 x 3 is too coarse", "610.00", "402.00 lx" } },
        ReportCase { "NotMetOnLetterWithTitle",
            { "--uniformity", "0.85", "--title", "Office 2.14", "--page", "Letter" }, 5, "/MediaBox [0 0 612",
            { "Office 2.14", "Requirement: U0 \u2265 0.85 \u2014 not met", "538.00" } }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
