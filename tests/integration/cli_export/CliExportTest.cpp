// brivon-cli export and info on data files built from known bytes.

#include "core/files/ByteBuilder.h"
#include "integration/CliFileTest.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace brivon {
namespace {

using support::ByteBuilder;

QByteArray bytesOf(const ByteBuilder& builder)
{
    return QByteArray::fromStdString(builder.bytes());
}

// Three foot-candle samples, 2 s apart, from 7 Dec 2010 14:05:09.
QByteArray graphFile(const char* signature = "QV731")
{
    return bytesOf(ByteBuilder()
                       .str(signature)
                       .ints({ 3, 3 })
                       .f32(12.5f)
                       .f32(5586.0f)
                       .f32(5000000.0f)
                       .i32(400)
                       .u8(1)
                       .ints({ 2010, 12, 7, 14, 5, 9, 2 }));
}

QByteArray memoryFile()
{
    return bytesOf(ByteBuilder()
                       .signature()
                       .i32(2)
                       .f32(5000000.0f)
                       .u8(0)
                       .str("Pmax")
                       .u8(1)
                       .str("07/12/10 14:05:09")
                       .f32(123.4f)
                       .u8(1)
                       .str("General")
                       .u8(0)
                       .str("07/12/10 14:06:00"));
}

class CliExport : public support::CliFileTest {
protected:
    static support::CliRun run(const QStringList& arguments)
    {
        return support::runCli(arguments, utcEnvironment());
    }
};

TEST_F(CliExport, GraphFileGivesTheDataLoggerExportOnStandardOutput)
{
    const support::CliRun result = run({ "export", write("run.AsmDat", graphFile()) });
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(result.output.toStdString(),
        "      NO             Data               UNIT         TIME  \r\n"
        "      1               1.16               FC          12-07-10/14:05:09  \r\n"
        "      2             519.14               FC          12-07-10/14:05:11  \r\n"
        "      3                 OL               FC          12-07-10/14:05:13  \r\n");
}

TEST_F(CliExport, MemoryFileGivesTheMemoryExportInTheOutputFile)
{
    const QString out = folder_.filePath("list.txt");
    const support::CliRun result = run({ "export", "-o", out, write("list.MemDat", memoryFile()) });
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.output.isEmpty());
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(),
        "      NO             Data               UNIT         STATUS           TIME  \r\n"
        "      1                -OL              Lux             Pmax          07/12/10 14:05:09  \r\n"
        "      2              11.47               FC          General          07/12/10 14:06:00  \r\n");
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).size(), 2);  // no temporary file left
}

TEST_F(CliExport, CsvOfAGraphFileOnStandardOutput)
{
    const support::CliRun result = run({ "export", "--csv", write("run.AsmDat", graphFile()) });
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(result.output.toStdString(),
        "no,time,lux,value,unit\r\n"
        "1,2010-12-07T14:05:09,12.50,1.16,fc\r\n"
        "2,2010-12-07T14:05:11,5586.00,519.14,fc\r\n"
        "3,2010-12-07T14:05:13,OL,OL,fc\r\n");
}

TEST_F(CliExport, CsvOfAMemoryFileInTheOutputFile)
{
    const QString out = folder_.filePath("list.csv");
    const support::CliRun result = run({ "export", write("list.MemDat", memoryFile()), "--csv", "-o", out });
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(),
        "no,time,lux,value,unit,status,negative\r\n"
        "1,2010-12-07T14:05:09,OL,OL,lux,Pmax,1\r\n"
        "2,2010-12-07T14:06:00,123.40,11.47,fc,General,0\r\n");
}

TEST_F(CliExport, InfoPrintsTheHeaderFields)
{
    const QString file = write("run.AsmDat", graphFile());
    const support::CliRun graph = run({ "info", file });
    ASSERT_EQ(graph.exitCode, 0) << graph.errors.toStdString();
    EXPECT_EQ(graph.output.toStdString(),
        file.toStdString()
            + "\nKind: graph data\nReading count: 3\nSample count: 3\nUnit: FC\n"
              "Start: 2010-12-07 14:05:09\nSampling interval: 2 s\nGain: 400\n");
    const support::CliRun memory = run({ "info", write("list.MemDat", memoryFile()) });
    ASSERT_EQ(memory.exitCode, 0);
    EXPECT_TRUE(memory.output.endsWith("Kind: memory list\nRecord count: 2\n"))
        << memory.output.toStdString();
}

struct FailureCase {
    const char* name;
    const char* fileName;
    QByteArray bytes;
    const char* reason;
};

class CliExportFailure : public CliExport, public ::testing::WithParamInterface<FailureCase> { };

TEST_P(CliExportFailure, NamesTheFileAndTheReason)
{
    const FailureCase& c = GetParam();
    const QString file = write(c.fileName, c.bytes);
    for (const char* command : { "export", "info" }) {
        SCOPED_TRACE(command);
        const support::CliRun result = run({ command, file });
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.output.isEmpty());
        EXPECT_EQ(result.errors.toStdString(), file.toStdString() + ": " + c.reason + "\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Files, CliExportFailure,
    ::testing::Values(FailureCase { "WrongSignature", "bad.AsmDat", graphFile("qv731"), "Invalid Format!" },
        FailureCase { "MemoryWrongSignature", "bad.MemDat", bytesOf(ByteBuilder().str("QV73").i32(0)),
            "Invalid Format!" },
        FailureCase { "Truncated", "short.AsmDat", graphFile().left(30),
            "The file ends before all of its data could be read." },
        FailureCase { "TooManySamples", "big.AsmDat", bytesOf(ByteBuilder().signature().ints({ 1, 33001 })),
            "The file gives 33001 samples; between 0 and 33000 can be loaded." },
        FailureCase { "TooManyRecords", "big.MemDat", bytesOf(ByteBuilder().signature().i32(101)),
            "The file gives 101 memory records; between 0 and 100 can be loaded." },
        FailureCase { "ImpossibleMonth", "run.AsmDat",
            bytesOf(ByteBuilder().signature().ints({ 1, 1 }).f32(1.0f).i32(40).u8(0).ints(
                { 2010, 13, 7, 14, 5, 9, 2 })),
            "invalid month 13" },
        FailureCase { "UnknownKind", "run.dat", graphFile(),
            "not a graph data file (.AsmDat) or memory list file (.MemDat)" }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(CliExport, AFileOfTheOtherKindIsNamedAsWhatItIs)
{
    const std::pair<QString, std::string> cases[] = {
        { write("list.AsmDat", memoryFile()), " is a memory list, not a graph file\n" },
        { write("run.MemDat", graphFile()), " is a graph file, not a memory list\n" },
    };
    for (const auto& [file, says] : cases) {
        const support::CliRun result = run({ "export", file });
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.errors.toStdString(), file.toStdString() + says);
    }
}

TEST_F(CliExport, AMissingFileIsReportedWithTheSystemsReason)
{
    const QString file = folder_.filePath("missing.AsmDat");
    const support::CliRun result = run({ "export", file });
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.errors.toStdString(),
        file.toStdString() + ": The file cannot be opened: No such file or directory\n");
}

TEST_F(CliExport, AnOutputThatCannotBeWrittenIsAnError)
{
    const QString out = folder_.filePath("gone/list.txt");
    const support::CliRun result = run({ "export", write("list.MemDat", memoryFile()), "-o", out });
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.errors.startsWith(("Cannot write " + out).toUtf8())) << result.errors.toStdString();
}

TEST_F(CliExport, AFileSizeLimitIsAnErrorNotAnEnd)
{
    const QString in = write("list.MemDat", memoryFile());
    const QString out = folder_.filePath("list.txt");
    QProcess process;
    process.start("sh",
        { "-c", "ulimit -f 0; exec \"$0\" export \"$1\" -o \"$2\"", BRIVON_BINARY_DIR "/brivon-cli", in,
            out });
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_NE(process.readAllStandardError().indexOf("File too large"), -1);
    EXPECT_FALSE(QFile::exists(out));
}

// A FIFO is refused before it is opened: opening it would wait for a writer.
TEST_F(CliExport, AFolderOrAFifoIsNotTakenForAFile)
{
    ASSERT_TRUE(QDir(folder_.path()).mkdir("run.AsmDat"));
    ASSERT_EQ(::mkfifo(folder_.filePath("list.MemDat").toLocal8Bit().constData(), 0600), 0);
    for (const char* command : { "export", "info" }) {
        SCOPED_TRACE(command);
        const support::CliRun folder = run({ command, folder_.filePath("run.AsmDat") });
        EXPECT_EQ(folder.exitCode, 2);
        EXPECT_EQ(folder.errors.toStdString(), "run.AsmDat is a folder, not a file\n");
        const support::CliRun fifo = run({ command, folder_.filePath("list.MemDat") });
        EXPECT_EQ(fifo.exitCode, 2);
        EXPECT_EQ(fifo.errors.toStdString(), "list.MemDat is a FIFO, not a file\n");
    }
}

TEST_F(CliExport, AnOutputThatIsTheInputIsRefusedAndTheInputKept)
{
    const QString in = write("run.AsmDat", graphFile());
    const QString link = folder_.filePath("link.txt");
    ASSERT_TRUE(QFile::link(in, link));
    const support::CliRun throughLink = run({ "export", in, "-o", link });
    EXPECT_EQ(throughLink.exitCode, 2);
    EXPECT_EQ(throughLink.errors.toStdString(), link.toStdString() + ": the output is the input file\n");
    // The input's own name gets the output's extension: a file of its own.
    const support::CliRun ownName = run({ "export", in, "-o", in });
    EXPECT_EQ(ownName.exitCode, 0) << ownName.errors.toStdString();
    EXPECT_TRUE(QFileInfo(in + ".txt").isFile());
    QFile file(in);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), graphFile());
}

TEST_F(CliExport, AnOutputLinkIsWrittenThroughAndKept)
{
    const QString target = folder_.filePath("list.txt");
    const QString link = folder_.filePath("link.txt");
    ASSERT_TRUE(QFile::link(target, link));
    const support::CliRun result = run({ "export", write("list.MemDat", memoryFile()), "-o", link });
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("      NO             Data"));
}

TEST_F(CliExport, AnOutputThatIsNotAFileIsRefused)
{
    const QString fifo = folder_.filePath("out.txt");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const support::CliRun result = run({ "export", write("list.MemDat", memoryFile()), "-o", fifo });
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.errors.toStdString(), "out.txt is a FIFO, not a file\n");
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
}

struct OutputNameCase {
    const char* name;
    QStringList options;  // the command and its options, before -o
    const char* typed;
    const char* written;
};

class CliOutputName : public CliExport, public ::testing::WithParamInterface<OutputNameCase> { };

TEST_P(CliOutputName, GetsTheKindsExtensionAndNeverReplacesAFile)
{
    const OutputNameCase& c = GetParam();
    const QString in = write("list.MemDat", memoryFile());
    const QStringList arguments = QStringList(c.options) << in << "-o" << folder_.filePath(c.typed);
    const support::CliRun first = run(arguments);
    ASSERT_EQ(first.exitCode, 0) << first.errors.toStdString();
    const QString written = folder_.filePath(c.written);
    EXPECT_GT(QFileInfo(written).size(), 0);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).size(), 2);

    write(c.written, "kept");
    const support::CliRun second = run(arguments);
    EXPECT_EQ(second.exitCode, 2);
    EXPECT_TRUE(
        second.errors.endsWith((written + ": exists already; choose another name with -o\n").toUtf8()))
        << second.errors.toStdString();
    QFile file(written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "kept");
}

INSTANTIATE_TEST_SUITE_P(Names, CliOutputName,
    ::testing::Values(OutputNameCase { "TextWithoutExtension", { "export" }, "out", "out.txt" },
        OutputNameCase { "CsvWithDots", { "export", "--csv" }, "26-12-09 13.36.07", "26-12-09 13.36.07.csv" },
        OutputNameCase { "CsvInOtherCase", { "export", "--csv" }, "out.CSV", "out.CSV" },
        OutputNameCase { "ReportWithDots", { "report" }, "26-12-09 13.36.07", "26-12-09 13.36.07.pdf" }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(CliExport, AnOutputOfDashIsStandardOutput)
{
    const QString in = write("list.MemDat", memoryFile());
    const support::CliRun toStandardOutput = run({ "export", in, "-o", "-" });
    ASSERT_EQ(toStandardOutput.exitCode, 0) << toStandardOutput.errors.toStdString();
    EXPECT_EQ(toStandardOutput.output, run({ "export", in }).output);
    EXPECT_FALSE(QFile::exists("-"));
}

struct UsageCase {
    const char* name;
    QStringList arguments;
};

class CliExportUsage : public CliExport, public ::testing::WithParamInterface<UsageCase> { };

TEST_P(CliExportUsage, BadArgumentsShowTheUsage)
{
    const support::CliRun result = run(GetParam().arguments);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.errors.contains("usage: brivon-cli ")) << result.errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Arguments, CliExportUsage,
    ::testing::Values(UsageCase { "ExportWithoutFile", { "export" } },
        UsageCase { "ExportOutputWithoutPath", { "export", "a.AsmDat", "-o" } },
        UsageCase { "ExportTwoFiles", { "export", "a.AsmDat", "b.AsmDat" } },
        UsageCase { "ExportAllWithAFile", { "export", "--all", "a.AsmDat" } },
        UsageCase { "ExportCsvTwice", { "export", "--csv", "--csv", "a.AsmDat" } },
        UsageCase { "InfoWithoutFile", { "info" } },
        UsageCase { "InfoTwoFiles", { "info", "a.AsmDat", "b.AsmDat" } }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
