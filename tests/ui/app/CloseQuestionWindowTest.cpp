// The main window's close with a run not yet saved: the window stays open on
// Escape or Cancel at the question, and when the save after Yes does not happen.

#include "support/ScriptedPrompts.h"
#include "support/TemporaryHome.h"
#include "ui/app/CMainFrame.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace brivon {
namespace {

constexpr const char* kCloseQuestion = "Do you want to save the data before closing?";
constexpr int kDialogPollMs = 20;

class MainWindowClose : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home.isValid()); }

    // A window on a port with no device behind it, holding a run of three samples.
    std::unique_ptr<ui::CMainFrame> windowWithARun(platform::Prompts* prompts)
    {
        link::PortMap map;
        map.setPath(1, (home.path() + "/no-such-device").toStdString());
        auto frame = std::make_unique<ui::CMainFrame>(map, app::Configuration::fromEnvironment(), prompts);
        app::CDTDoc& doc = frame->document();
        doc.resetForNewRun(platform::SystemClock().now());
        for (int k = 0; k < 3; ++k) {
            doc.run().append(100.0f + static_cast<float>(k), false);
            doc.commitSample();
        }
        frame->show();
        return frame;
    }

    support::TemporaryHome home;
};

TEST_F(MainWindowClose, EscapeAtTheRealQuestionKeepsTheWindowOpen)
{
    const auto frame = windowWithARun(nullptr);
    QString asked;
    QTimer escape;
    QObject::connect(&escape, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = box->text();
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    escape.start(kDialogPollMs);

    EXPECT_FALSE(frame->close());
    escape.stop();
    EXPECT_EQ(asked.toStdString(), kCloseQuestion);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(frame->logic().closed());
}

TEST_F(MainWindowClose, ACancelledSaveAfterYesKeepsTheWindowOpenUntilTheRunIsSaved)
{
    support::ScriptedPrompts prompts;
    const auto frame = windowWithARun(&prompts);
    prompts.answers.push_back(platform::Answer::Yes);
    prompts.savePaths.push_back(std::nullopt);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());

    // Saved since its last sample, the run lets the window close without a question.
    prompts.savePaths.push_back((home.path() + "/run.AsmDat").toStdString());
    ASSERT_TRUE(frame->logic().save());
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(prompts.questions(), std::vector<std::string> { kCloseQuestion });
    EXPECT_TRUE(prompts.scriptUsedUp());
}

}  // namespace
}  // namespace brivon
