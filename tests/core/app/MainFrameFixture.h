#pragma once
// The main window's logic on fakes: a scripted port, virtual-time timers for
// the main window and the view, a fixed clock, scripted prompts and a
// configuration file in a scratch folder.

#include "core/app/MainFrameLogic.h"
#include "core/app/ScratchFolder.h"
#include "sim/MeasurementFrame.h"
#include "support/FakeSerialPort.h"
#include "support/FakeTimers.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brivon::support {

inline constexpr platform::TimeValue kDecember7th2010 = 1291730709;  // 14:05:09 in the fixed clock

struct RecordingEvents : app::MainFrameEvents {
    void measurementShown(const link::MeasurementUpdate&) override { ++measurements; }
    void panelChanged() override { ++panelChanges; }
    void downloadProgressDue() override { ++progressDialogs; }
    void journalProblem(const std::string& problem) override { journalProblems.push_back(problem); }
    int measurements = 0;
    int panelChanges = 0;
    int progressDialogs = 0;
    std::vector<std::string> journalProblems;
};

class MainFrameTest : public ::testing::Test {
protected:
    static constexpr int kOneSecond = 1000;

    MainFrameTest()
    {
        mainTimers.setHandler([this](int id) { logic->mainTimerExpired(id); });
        viewTimers.setHandler([this](int id) { logic->viewTimerExpired(id); });
    }

    void TearDown() override
    {
        EXPECT_TRUE(prompts.unscripted().empty()) << "unanswered: " << prompts.unscripted().front();
        EXPECT_TRUE(prompts.scriptUsedUp()) << "scripted answers left over";
    }

    std::filesystem::path journalFolder() const { return folder / "state" / "brivon"; }
    std::filesystem::path configFile() const { return folder / "brivon" / app::Configuration::kFileName; }

    void givenConfiguration(const std::string& text) const
    {
        std::filesystem::create_directories(configFile().parent_path());
        ScratchFolder::write(configFile(), text);
    }

    // Window creation, with whatever configuration file is in place.
    void create()
    {
        logic = std::make_unique<app::MainFrameLogic>(doc,
            app::MainFrameSeams { port, mainTimers, viewTimers, clock, prompts, journalFolder() },
            app::Configuration(configFile().string()));
        logic->setEvents(&events);
        logic->create();
    }

    // A lux frame whose graph and display counts are both `count`.
    void frame(int count = 100, int range = 2)
    {
        sim::FrameContent content;
        content.graphCount = content.displayCount = count;
        content.rangeIndex = range;
        port.deliver(sim::frameBytes(content));
    }

    // Run, answering the sample-rate dialog (nothing = Cancel) and, when asked, the save question.
    void run(std::optional<int> seconds, std::optional<platform::Answer> saveAnswer = std::nullopt)
    {
        if (saveAnswer) prompts.answers.push_back(*saveAnswer);
        prompts.sampleRates.push_back(seconds);
        logic->run();
    }

    // One sample period of one second, optionally with a frame during it.
    void period(bool withFrame)
    {
        if (withFrame) frame();
        viewTimers.advance(kOneSecond);
    }
    void periods(int count, bool withFrames)
    {
        for (int k = 0; k < count; ++k)
            period(withFrames);
    }

    // The run flags (requested, running, stopped) as one text: "R G S" digits.
    std::string flags() const
    {
        const app::RunControl& run = logic->runControl();
        return std::to_string(run.runRequested()) + std::to_string(run.running())
            + std::to_string(run.stopped());
    }

    int samples() const { return doc.run().sampleCount(); }
    int exitCommandsSent() const
    {
        const platform::Bytes exitCommand { 0x87, 0x83, 0x15 };
        int sent = 0;
        for (const platform::Bytes& write : port.writes())
            sent += write == exitCommand;
        return sent;
    }
    int readings() const { return doc.run().readingCount(); }
    bool enabled(int id) const { return logic->commandState(id)->enabled; }

    ScratchFolder folder;
    FakeSerialPort port;
    FakeTimers mainTimers;
    FakeTimers viewTimers;
    FixedClock clock { kDecember7th2010 };
    ScriptedPrompts prompts;
    RecordingEvents events;
    app::CDTDoc doc { clock };
    std::unique_ptr<app::MainFrameLogic> logic;
};

}  // namespace brivon::support
