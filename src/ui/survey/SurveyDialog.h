#pragma once
// "Light Survey": a survey of the memory list's records, made again as its
// fields change. It shows the report page, the figures and the verdict, or
// why the survey is refused, and prints the report or saves it as a PDF.
// The grid and requirement of the last survey shown are kept in the
// configuration when the window closes.

#include "core/app/Configuration.h"
#include "core/platform/Prompts.h"
#include "core/report/SurveyReport.h"
#include "core/store/MemoryBlock.h"
#include "ui/report/ReportPrinter.h"

#include <QDialog>

#include <optional>

class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace brivon::ui {

class SurveyPreview;

class SurveyDialog : public QDialog {
    Q_OBJECT
public:
    SurveyDialog(const store::MemoryBlock& block, const app::Configuration& configuration,
        platform::Prompts& prompts, ReportPrinter& printer, QWidget* parent = nullptr);

    void done(int result) override;

private:
    QSpinBox* addCount(QFormLayout& form, const char* name, const QString& label, int maximum);
    QDoubleSpinBox* addRequirement(
        QFormLayout& form, const char* name, const QString& label, double maximum, double step);
    void buildFields(QFormLayout& form);
    void startFromConfiguration();
    report::SurveyReportDetails details() const;
    void remake();
    ReportLayout layout() const;
    void print();
    void savePdf();

    const store::MemoryBlock& block_;
    const app::Configuration& configuration_;
    platform::Prompts& prompts_;
    ReportPrinter& printer_;
    QSpinBox* rows_ = nullptr;
    QSpinBox* columns_ = nullptr;
    QSpinBox* first_ = nullptr;
    QSpinBox* last_ = nullptr;
    QDoubleSpinBox* average_ = nullptr;
    QDoubleSpinBox* uniformity_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLabel* figures_ = nullptr;
    QLabel* verdict_ = nullptr;
    SurveyPreview* preview_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* save_ = nullptr;
    std::optional<survey::Survey> survey_;
};

}  // namespace brivon::ui
