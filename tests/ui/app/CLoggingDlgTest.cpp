#include "ui/app/CLoggingDlg.h"

#include "support/FakeSerialPort.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace brivon {
namespace {

using download::DownloadEnd;

constexpr int kMemoryTotal = 2000;
constexpr int kLoggerTotal = 9000;
constexpr int kCompletesAfterMs = 50;
constexpr int kDoneDelayMs = download::DownloadProgress::kDoneDelayMs;

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Remembers whether Qt warned about a repaint from inside a paint.
class RepaintWarnings {
public:
    RepaintWarnings() { previous_ = qInstallMessageHandler(&RepaintWarnings::handle); }
    ~RepaintWarnings() { qInstallMessageHandler(previous_); }
    static bool seen() { return seen_; }

private:
    static void handle(QtMsgType, const QMessageLogContext&, const QString& text)
    {
        if (text.contains(QStringLiteral("Recursive repaint"))) seen_ = true;
    }
    static inline bool seen_ = false;
    QtMessageHandler previous_ = nullptr;
};

class ProgressDialog : public ::testing::Test {
protected:
    ProgressDialog() { link.create(1); }

    void expectDump(bool logger) { logger ? link.expectLoggerDump() : link.expectMemoryDump(); }

    support::FakeSerialPort port;
    link::SerialLink link { port };
    download::DownloadState state;
};

TEST_F(ProgressDialog, WaitingForTheMeterPaintsOnlyWhenTheBarMoves)
{
    RepaintWarnings warnings;
    link.expectMemoryDump();
    state.downloadTotal = kMemoryTotal;
    ui::CLoggingDlg dialog(state, link);
    PaintCounter counter;
    dialog.installEventFilter(&counter);
    dialog.show();
    QTest::qWait(kDoneDelayMs);
    EXPECT_EQ(dialog.bar().maximum(), kMemoryTotal);
    // A bar step every 500 ms: a few paints at the start, never a stream of them.
    EXPECT_LT(counter.paints, 5);
    EXPECT_FALSE(RepaintWarnings::seen());
}

TEST_F(ProgressDialog, ADataLoggerDownloadShowsTheBytesReceivedBesideTheBar)
{
    link.expectLoggerDump();
    state.dumpKind = link::DumpKind::DataLogger;
    state.downloadTotal = kLoggerTotal;
    ui::CLoggingDlg dialog(state, link);
    dialog.show();
    QTest::qWait(kCompletesAfterMs);
    EXPECT_EQ(dialog.progressLabel().text(), "0 of 9000 bytes");
    state.bytesReceived = 1200;
    dialog.invalidate();
    QTest::qWait(kCompletesAfterMs);
    EXPECT_EQ(dialog.progressLabel().text(), "1200 of 9000 bytes");
    EXPECT_FALSE(dialog.progressLabel().visibleRegion().isEmpty());
}

struct EndCase {
    std::string name;
    bool logger;
    int total;
    DownloadEnd end;
};

class ProgressDialogEnd : public ProgressDialog, public ::testing::WithParamInterface<EndCase> { };

TEST_P(ProgressDialogEnd, ACompletedTransferClosesTheDialogTwoHundredMillisecondsLater)
{
    const EndCase& c = GetParam();
    expectDump(c.logger);
    state.downloadTotal = c.total;
    ui::CLoggingDlg dialog(state, link);
    QElapsedTimer sinceCompletion;
    QTimer::singleShot(kCompletesAfterMs, [&] {
        (c.logger ? state.loggerComplete : state.memoryComplete) = true;
        link.listenAgain();
        sinceCompletion.start();
        dialog.invalidate();
    });
    EXPECT_EQ(dialog.runModal(), c.end);
    EXPECT_GE(sinceCompletion.elapsed(), kDoneDelayMs);
    EXPECT_EQ(dialog.bar().value(), c.total);  // a full bar
}

INSTANTIATE_TEST_SUITE_P(Transfers, ProgressDialogEnd,
    ::testing::Values(EndCase { "Memory", false, kMemoryTotal, DownloadEnd::MemoryList },
        EndCase { "DataLogger", true, kLoggerTotal, DownloadEnd::DataLogger },
        EndCase { "EmptyDataLogger", true, 0, DownloadEnd::NothingToShow }),
    [](const auto& param) { return param.param.name; });

// The user ends the dialog while the meter has not delivered: as at the time-out,
// nothing opens and the link polls again at once.
struct CancelCase {
    std::string name;
    bool logger;
    std::function<void(ui::CLoggingDlg&)> act;
};

class ProgressDialogCancel : public ProgressDialog, public ::testing::WithParamInterface<CancelCase> { };

TEST_P(ProgressDialogCancel, EndsTheTransferAsItsTimeOutWould)
{
    const CancelCase& c = GetParam();
    expectDump(c.logger);
    state.downloadTotal = c.logger ? kLoggerTotal : kMemoryTotal;
    ui::CLoggingDlg dialog(state, link);
    port.clearLog();
    QTimer::singleShot(kCompletesAfterMs, [&] { c.act(dialog); });
    QElapsedTimer shown;
    shown.start();
    EXPECT_EQ(dialog.runModal(), DownloadEnd::TimedOut);
    EXPECT_LT(shown.elapsed(), download::DownloadProgress::kAdvancePeriodMs * 2);
    EXPECT_EQ(link.receiveMode(), link::ReceiveMode::Listening);
    EXPECT_EQ(state.panelStatusText, download::kIdleStatus);
    EXPECT_EQ(port.writes(), std::vector<platform::Bytes> { platform::Bytes { 0x11 } }) << "polled again";
}

INSTANTIATE_TEST_SUITE_P(Ways, ProgressDialogCancel,
    ::testing::Values(CancelCase { "CancelButton", false,
                          [](ui::CLoggingDlg& d) {
                              d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
                          } },
        CancelCase { "Escape", true, [](ui::CLoggingDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); } },
        CancelCase { "CloseButton", false, [](ui::CLoggingDlg& d) { d.close(); } },
        CancelCase { "CloseButtonDataLogger", true, [](ui::CLoggingDlg& d) { d.close(); } }),
    [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace brivon
