#include "ui/survey/SurveyDialog.h"

#include "core/files/SafeSave.h"
#include "core/files/SaveTarget.h"
#include "ui/report/ReportPdf.h"
#include "ui/survey/SurveyPreview.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>

namespace brivon::ui {
namespace {

constexpr const char* kCaption = "Light Survey";
constexpr const char* kNoRequirement = "none";
constexpr const char* kPdfDefaultExtension = "pdf";
constexpr const char* kPdfFilter = "PDF Files (*.pdf)|*.pdf|";
constexpr QPageSize::PageSizeId kPdfPage = QPageSize::A4;
constexpr double kHighestAverage = 999999.0;  // lux
constexpr double kAverageStep = 50.0;
constexpr double kUniformityStep = 0.05;
constexpr int kFigureDecimals = 2;
constexpr QSize kInitialSize { 860, 820 };
// The window opens no larger than this share of the screen, so its buttons stay in sight.
constexpr double kLargestScreenShare = 0.9;

// A requirement field's value; its lowest value stands for none.
std::optional<double> required(const QDoubleSpinBox& field)
{
    return field.value() > field.minimum() ? std::optional<double>(field.value()) : std::nullopt;
}

}  // namespace

SurveyDialog::SurveyDialog(const store::MemoryBlock& block, const app::Configuration& configuration,
    platform::Prompts& prompts, ReportPrinter& printer, QWidget* parent)
    : QDialog(parent)
    , block_(block)
    , configuration_(configuration)
    , prompts_(prompts)
    , printer_(printer)
    , figures_(new QLabel(this))
    , verdict_(new QLabel(this))
    , preview_(new SurveyPreview(this))
{
    setWindowTitle(kCaption);
    figures_->setObjectName(QStringLiteral("surveyFigures"));
    figures_->setWordWrap(true);
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    verdict_->setObjectName(QStringLiteral("surveyVerdict"));

    auto* form = new QFormLayout;
    buildFields(*form);
    auto* buttons = new QDialogButtonBox(this);
    print_ = buttons->addButton(QStringLiteral("Print..."), QDialogButtonBox::ActionRole);
    save_ = buttons->addButton(QStringLiteral("Save PDF..."), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    print_->setObjectName(QStringLiteral("surveyPrint"));
    save_->setObjectName(QStringLiteral("surveySavePdf"));
    connect(print_, &QPushButton::clicked, this, &SurveyDialog::print);
    connect(save_, &QPushButton::clicked, this, &SurveyDialog::savePdf);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* fields = new QVBoxLayout;
    fields->addLayout(form);
    fields->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(fields);
    body->addWidget(preview_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(figures_);
    layout->addWidget(verdict_);
    layout->addWidget(buttons);
    resize(kInitialSize.boundedTo(screen()->availableGeometry().size() * kLargestScreenShare));

    startFromConfiguration();
    remake();
}

QSpinBox* SurveyDialog::addCount(QFormLayout& form, const char* name, const QString& label, int maximum)
{
    auto* field = new QSpinBox(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(1, maximum);
    form.addRow(label, field);
    connect(field, &QSpinBox::valueChanged, this, &SurveyDialog::remake);
    return field;
}

QDoubleSpinBox* SurveyDialog::addRequirement(
    QFormLayout& form, const char* name, const QString& label, double maximum, double step)
{
    auto* field = new QDoubleSpinBox(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(0.0, maximum);
    field->setDecimals(kFigureDecimals);
    field->setSingleStep(step);
    field->setSpecialValueText(kNoRequirement);
    form.addRow(label, field);
    connect(field, &QDoubleSpinBox::valueChanged, this, &SurveyDialog::remake);
    return field;
}

void SurveyDialog::buildFields(QFormLayout& form)
{
    const int records = std::max(static_cast<int>(block_.used().size()), 1);
    rows_ = addCount(form, "surveyRows", QStringLiteral("Rows:"), store::MemoryBlock::kCapacity);
    columns_ = addCount(form, "surveyColumns", QStringLiteral("Columns:"), store::MemoryBlock::kCapacity);
    first_ = addCount(form, "surveyFirstRecord", QStringLiteral("First record:"), records);
    last_ = addCount(form, "surveyLastRecord", QStringLiteral("Last record:"), records);
    average_ = addRequirement(form, "surveyRequiredAverage", QStringLiteral("Required \u0112 (lx):"),
        kHighestAverage, kAverageStep);
    uniformity_
        = addRequirement(form, "surveyRequiredU0", QStringLiteral("Required U0:"), 1.0, kUniformityStep);
    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("surveyTitle"));
    title_->setPlaceholderText(report::kDefaultSurveyTitle);
    form.addRow(QStringLiteral("Title:"), title_);
    connect(title_, &QLineEdit::textChanged, this, &SurveyDialog::remake);
}

// The fields' first values, set before any of them remakes the survey.
void SurveyDialog::startFromConfiguration()
{
    const QSignalBlocker blockRows(rows_), blockColumns(columns_), blockLast(last_), blockAverage(average_),
        blockUniformity(uniformity_);
    const int records = static_cast<int>(block_.used().size());
    const survey::GridSize grid = survey::startingGrid(configuration_.surveyGrid(), records);
    rows_->setValue(grid.rows);
    columns_->setValue(grid.columns);
    last_->setValue(last_->maximum());
    const survey::Requirement requirement = configuration_.surveyRequirement();
    average_->setValue(requirement.average.value_or(0.0));
    uniformity_->setValue(requirement.uniformity.value_or(0.0));
}

report::SurveyReportDetails SurveyDialog::details() const
{
    return { title_->text().toStdString(), { rows_->value(), columns_->value() },
        { required(*average_), required(*uniformity_) }, std::nullopt };
}

void SurveyDialog::remake()
{
    const report::SurveyReportDetails request = details();
    survey::SurveyOutcome outcome = survey::makeSurvey(block_,
        { request.grid, survey::RecordRange { first_->value(), last_->value() }, request.requirement });
    survey_ = std::move(outcome.survey);
    if (survey_) {
        figures_->setText(QString::fromStdString(report::surveyStatisticsLine(survey_->statistics)));
        verdict_->setText(
            QString::fromStdString(report::surveyRequirementLine(request.requirement, *survey_)));
        preview_->setLayout(layout());
    } else {
        figures_->setText(QString::fromStdString(outcome.refusal));
        verdict_->clear();
        preview_->setLayout(std::nullopt);
    }
    print_->setEnabled(survey_.has_value());
    save_->setEnabled(survey_.has_value());
}

// The report of the survey shown, drawn from copies so that it outlives a change of the fields.
ReportLayout SurveyDialog::layout() const
{
    return [survey = *survey_, details = details()](
               draw::Canvas& canvas) { report::drawSurveyReport(canvas, survey, details); };
}

void SurveyDialog::print()
{
    if (survey_) printer_.print(layout());
}

void SurveyDialog::savePdf()
{
    if (!survey_) return;
    const std::string name = title_->text().isEmpty()
        ? report::kDefaultSurveyTitle
        : title_->text().replace(QLatin1Char('/'), QLatin1Char('-')).toStdString();
    const auto target
        = files::chooseFile(prompts_, { name, kPdfDefaultExtension, kPdfFilter }, kPdfExtension);
    if (!target) return;
    const std::array<files::PendingFile, 1> pending { files::PendingFile {
        *target, reportPdf(QPageSize(kPdfPage), layout()).toStdString() } };
    const files::FileOutcome outcome = files::saveFilesSafely(pending);
    if (!outcome.ok()) prompts_.message(outcome.message);
}

void SurveyDialog::done(int result)
{
    if (survey_) {
        const report::SurveyReportDetails shown = details();
        if (const auto problem = configuration_.writeSurvey(shown.grid, shown.requirement))
            prompts_.message(*problem);
    }
    QDialog::done(result);
}

}  // namespace brivon::ui
