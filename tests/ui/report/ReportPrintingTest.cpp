// The reports printed through the Qt printer path and as PDF bytes, read back
// with pdftotext: the texts are there, as text, and inside the page.

#include "core/report/GraphReport.h"
#include "core/report/MemoryReport.h"
#include "core/report/ReportSources.h"
#include "core/store/CurrentSet.h"
#include "core/store/MemoryBlock.h"
#include "support/FixedClock.h"
#include "ui/report/ReportPageCanvas.h"
#include "ui/report/ReportPdf.h"
#include "ui/report/ReportPrinter.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace brivon::ui {
namespace {

// One word of pdftotext -bbox: its box in points from the top-left corner, and its text.
constexpr const char* kWordBox = "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                 "yMax=\"([\\d.]+)\">([^<]*)</word>";
constexpr platform::TimeValue kStart = 1'291'730'709;  // 2010-12-07 14:05:09 UTC

const ::brivon::support::FixedClock& clock()
{
    static const ::brivon::support::FixedClock fixed(kStart + 3600);
    return fixed;
}

const store::CurrentSet& loggerSet()
{
    static const auto set = [] {
        auto made = std::make_unique<store::CurrentSet>();
        made->loadedSampleCount = 40;
        for (int i = 0; i < 40; ++i)
            made->loadedSamples[static_cast<std::size_t>(i)] = 10.0f * static_cast<float>(i);
        made->loadedSamples[5] = 5000000.0f;
        made->loadedStartTime = kStart;
        made->loadedSamplePeriod = 2;
        return made;
    }();
    return *set;
}

const store::MemoryBlock& memoryBlock()
{
    static const auto block = [] {
        auto made = std::make_unique<store::MemoryBlock>();
        made->recordCount = 100;
        for (auto& record : made->records)
            record = { 123.4f, "07/12/10 14:06:00", "General", 0, 0 };
        made->records[0] = { 5000000.0f, "07/12/10 14:05:09", "Pmax", 0, 0 };
        return made;
    }();
    return *block;
}

struct ReportCase {
    const char* name;
    ReportLayout layout;
    QStringList texts;
};

ReportCase dataLoggerCase()
{
    return { "DataLogger",
        [](draw::Canvas& canvas) {
            report::drawGraphReport(canvas, report::dataLoggerReportSource(loggerSet(), 50, 0), clock());
        },
        { "Test Report", "Light", "500.0", "14:05:09", "14:05:29", "Emin/Eavg:", "2010-12-07" } };
}

ReportCase memoryCase()
{
    return { "Memory", [](draw::Canvas& canvas) { report::drawMemoryReport(canvas, memoryBlock()); },
        { "STATUS", "OL", "Pmax", "123.40", "100", "07/12/10 14:06:00" } };
}

QString pdfText(const QString& pdf, const QStringList& options = {})
{
    QProcess process;
    process.start("pdftotext", options + QStringList { pdf, "-" });
    EXPECT_TRUE(process.waitForFinished(10000)) << "pdftotext did not run";
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintedReport : public ::testing::TestWithParam<ReportCase> {
protected:
    QTemporaryDir folder_;
};

TEST_P(PrintedReport, PrinterPdfOutputHoldsTheTexts)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = folder_.filePath("report.pdf");
    printer.setOutputFileName(path);
    ASSERT_EQ(printReport(printer, GetParam().layout), PrintOutcome::Printed);
    const QString text = pdfText(path);
    for (const QString& expected : GetParam().texts)
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
}

TEST_P(PrintedReport, EveryWordInsideThePrintableAreaOnA4AndLetter)
{
    for (const auto page : { QPageSize::A4, QPageSize::Letter }) {
        const QString path = folder_.filePath("report.pdf");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reportPdf(QPageSize(page), GetParam().layout));
        file.close();

        const QSizeF size = QPageSize(page).size(QPageSize::Point);
        constexpr double kMargin = 18.0;  // a quarter inch, in points
        constexpr double kTolerance = 0.5;
        const QString boxes = pdfText(path, { "-bbox" });
        const QRegularExpression word(kWordBox);
        int words = 0;
        for (auto match = word.globalMatch(boxes); match.hasNext(); ++words) {
            const auto m = match.next();
            SCOPED_TRACE(m.captured(5).toStdString());
            EXPECT_GE(m.captured(1).toDouble(), kMargin - kTolerance);
            EXPECT_GE(m.captured(2).toDouble(), kMargin - kTolerance);
            EXPECT_LE(m.captured(3).toDouble(), size.width() - kMargin + kTolerance);
            EXPECT_LE(m.captured(4).toDouble(), size.height() - kMargin + kTolerance);
        }
        EXPECT_GT(words, 10);
    }
}

INSTANTIATE_TEST_SUITE_P(Reports, PrintedReport, ::testing::Values(dataLoggerCase(), memoryCase()),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ReportPrinting, AnOutputThatCannotOpenIsADocumentFailure)
{
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("missing/report.pdf"));
    const PrintOutcome outcome = printReport(printer, memoryCase().layout);
    EXPECT_EQ(outcome, PrintOutcome::DocumentFailed);
    EXPECT_STREQ(printFailureMessage(outcome), "Initial error!");
}

struct TransformCase {
    const char* name;
    QSize pixels;
    double expectedScale;  // device pixels per report unit
};

class PageTransform : public ::testing::TestWithParam<TransformCase> { };

TEST_P(PageTransform, OriginBottomRightScaledToFitNeverUp)
{
    constexpr int kDotsPerMetre = 11811;  // 300 dpi
    QImage device(GetParam().pixels, QImage::Format_RGB32);
    device.setDotsPerMeterX(kDotsPerMetre);
    device.setDotsPerMeterY(kDotsPerMetre);
    const QTransform transform = reportTransform(device);
    EXPECT_EQ(transform.map(QPointF(0, 0)), QPointF(device.width(), device.height()));
    EXPECT_NEAR(transform.m11(), GetParam().expectedScale, 1e-9);
    EXPECT_DOUBLE_EQ(transform.m22(), transform.m11());
}

INSTANTIATE_TEST_SUITE_P(Pages, PageTransform,
    ::testing::Values(TransformCase { "LargerThanTheLayout", { 3000, 4000 }, 3.0 },
        TransformCase { "Narrower", { 1200, 4000 }, 1.5 }, TransformCase { "Lower", { 3000, 1130 }, 1.0 }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon::ui
