// brivon-cli report on data files built from known bytes: a PDF whose words
// are text, or the file's reason and no PDF.

#include "core/files/ByteBuilder.h"
#include "integration/CliFileTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace brivon {
namespace {

using support::ByteBuilder;

// Five lux samples, 2 s apart, from 7 Dec 2010 14:05:09, gain 100 per division.
QByteArray graphFile()
{
    return QByteArray::fromStdString(ByteBuilder()
                                         .signature()
                                         .ints({ 5, 5 })
                                         .f32(120.0f)
                                         .f32(340.0f)
                                         .f32(5000000.0f)
                                         .f32(560.0f)
                                         .f32(780.0f)
                                         .i32(100)
                                         .u8(0)
                                         .ints({ 2010, 12, 7, 14, 5, 9, 2 })
                                         .bytes());
}

QByteArray memoryFile()
{
    return QByteArray::fromStdString(ByteBuilder()
                                         .signature()
                                         .i32(2)
                                         .f32(5000000.0f)
                                         .u8(0)
                                         .str("Pmax")
                                         .u8(0)
                                         .str("07/12/10 14:05:09")
                                         .f32(1500.0f)
                                         .u8(0)
                                         .str("General")
                                         .u8(0)
                                         .str("07/12/10 14:06:00")
                                         .bytes());
}

class CliReport : public support::CliFileTest {
protected:
    static support::CliRun run(const QStringList& arguments)
    {
        QProcessEnvironment environment = utcEnvironment();
        environment.remove("QT_QPA_PLATFORM");  // the command needs no display of its own
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        return support::runCli(arguments, environment);
    }

    static QString pdfText(const QString& pdf)
    {
        QProcess process;
        process.start("pdftotext", { pdf, "-" });
        EXPECT_TRUE(process.waitForFinished(10000)) << "pdftotext did not run";
        return QString::fromUtf8(process.readAllStandardOutput());
    }
};

struct PageCase {
    const char* name;
    const char* page;  // nullptr: the default
    const char* mediaBox;
};

class CliReportPage : public CliReport, public ::testing::WithParamInterface<PageCase> { };

TEST_P(CliReportPage, GraphAndMemoryReportsAsSearchablePdf)
{
    const struct {
        QString file;
        QStringList words;
    } reports[] = {
        { write("run.AsmDat", graphFile()),
            { "Test Report", "Light", "1000.0", "14:05:09", "14:05:11", "Emin/Eavg:" } },
        { write("list.MemDat", memoryFile()),
            { "NO", "DATA", "STATUS", "OL", "1.50K", "07/12/10 14:06:00" } },
    };
    for (const auto& report : reports) {
        SCOPED_TRACE(report.file.toStdString());
        const QString out
            = folder_.filePath(QFileInfo(report.file).baseName() + ".pdf");  // a name of its own
        QStringList arguments { "report", report.file, "-o", out };
        if (GetParam().page) arguments << "--page" << GetParam().page;
        const support::CliRun result = run(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
        QFile pdf(out);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_TRUE(pdf.readAll().contains(GetParam().mediaBox));
        const QString text = pdfText(out);
        for (const QString& word : report.words)
            EXPECT_TRUE(text.contains(word)) << word.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, CliReportPage,
    ::testing::Values(PageCase { "DefaultA4", nullptr, "/MediaBox [0 0 595" },
        PageCase { "Letter", "Letter", "/MediaBox [0 0 612" }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(CliReport, AnUnreadableFileGivesItsReasonAndNoPdf)
{
    const QString file = write("bad.AsmDat", QByteArray("QV73"));
    const QString out = folder_.filePath("report.pdf");
    const support::CliRun result = run({ "report", file, "-o", out });
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.errors.startsWith((file + ": ").toUtf8())) << result.errors.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(CliReport, BadArgumentsShowTheUsage)
{
    for (const QStringList& arguments :
        { QStringList { "report", "a.AsmDat" },
            QStringList { "report", "a.AsmDat", "-o", "a.pdf", "--page", "A5" }, QStringList { "report" } }) {
        const support::CliRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.errors.contains("usage: brivon-cli report"));
    }
}

}  // namespace
}  // namespace brivon
