#pragma once
// Runs the built brivon-cli as a user would and collects what it printed.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace brivon::support {

struct CliRun {
    int exitCode = -1;  // -1 when it did not finish in time
    QByteArray output;
    QByteArray errors;
};

inline constexpr int kCliRunMs = 10000;

inline CliRun runCli(const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(), int runMs = kCliRunMs)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(BRIVON_BINARY_DIR "/brivon-cli", arguments);
    CliRun result;
    if (!process.waitForFinished(runMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitCode();
    result.output = process.readAllStandardOutput();
    result.errors = process.readAllStandardError();
    return result;
}

}  // namespace brivon::support
