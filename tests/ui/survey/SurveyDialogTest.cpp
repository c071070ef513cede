#include "ui/survey/SurveyDialog.h"

#include "core/app/ScratchFolder.h"
#include "support/ScriptedPrompts.h"
#include "ui/memory/CMemListDlg.h"

#include <QAction>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace brivon {
namespace {

// The survey window opened from the memory list window over six records of 100 to 600 lx.
class SurveyWindow : public ::testing::Test {
protected:
    SurveyWindow()
    {
        for (int i = 0; i < 6; ++i)
            block->records[static_cast<std::size_t>(i)]
                = { 100.0f * static_cast<float>(i + 1), "07/12/10 14:05:09", "General", 0, 0 };
        block->recordCount = 6;
    }

    ui::SurveyDialog& openSurvey()
    {
        list = std::make_unique<ui::CMemListDlg>(ui::MemoryListSources { *block, { memoryEmpty, fillRequest },
                                                     memory::ListSource::Download, "list", configuration },
            prompts);
        list->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(list.get()));
        list->action(ui::CMemListDlg::kSurvey)->trigger();
        survey = list->findChild<ui::SurveyDialog*>();
        EXPECT_NE(survey, nullptr);
        return *survey;
    }

    template <typename Widget> Widget& field(const char* name)
    {
        auto* widget = survey->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }

    QString figures() { return field<QLabel>("surveyFigures").text(); }

    void TearDown() override { EXPECT_TRUE(prompts.unscripted().empty()); }

    std::unique_ptr<store::MemoryBlock> block = std::make_unique<store::MemoryBlock>();
    bool memoryEmpty = false;
    bool fillRequest = true;
    support::ScriptedPrompts prompts;
    support::ScratchFolder scratch;
    app::Configuration configuration { (scratch / "Brivonconfig.ini").string() };
    std::unique_ptr<ui::CMemListDlg> list;
    QPointer<ui::SurveyDialog> survey;
};

TEST_F(SurveyWindow, ShowsTheFiguresOrTheRefusalSavesAPdfAndKeepsTheGrid)
{
    openSurvey();
    EXPECT_EQ(field<QSpinBox>("surveyRows").value(), 1);
    EXPECT_EQ(field<QSpinBox>("surveyColumns").value(), 6);

    field<QSpinBox>("surveyColumns").setValue(2);
    EXPECT_EQ(figures(), "record 3 has no point: the grid 1 x 2 has 2 points, but 6 records were chosen");
    EXPECT_FALSE(field<QPushButton>("surveySavePdf").isEnabled());
    EXPECT_FALSE(field<QPushButton>("surveyPrint").isEnabled());

    field<QSpinBox>("surveyRows").setValue(3);
    EXPECT_EQ(figures(),
        QString::fromUtf8(
            "Points: 6   \u0112: 350.00 lx   Emin: 100.00 lx   Emax: 600.00 lx   U0: 0.29   Ud: 0.17"));
    field<QDoubleSpinBox>("surveyRequiredAverage").setValue(300);
    EXPECT_EQ(field<QLabel>("surveyVerdict").text(),
        QString::fromUtf8("Requirement: \u0112 \u2265 300.00 lx \u2014 met"));

    prompts.savePaths.push_back((scratch / "room survey").string());
    QTest::mouseClick(&field<QPushButton>("surveySavePdf"), Qt::LeftButton);
    EXPECT_EQ(support::ScratchFolder::read(scratch / "room survey.pdf").substr(0, 4), "%PDF");

    QTest::keyClick(survey.data(), Qt::Key_Escape);
    const auto grid = configuration.surveyGrid();
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->rows, 3);
    EXPECT_EQ(grid->columns, 2);
    EXPECT_EQ(configuration.surveyRequirement().average, 300.0);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(survey.isNull());
    openSurvey();
    EXPECT_EQ(field<QSpinBox>("surveyRows").value(), 3);
    EXPECT_EQ(field<QSpinBox>("surveyColumns").value(), 2);
}

}  // namespace
}  // namespace brivon
