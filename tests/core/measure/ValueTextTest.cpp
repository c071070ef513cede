#include "core/measure/ValueText.h"

#include <gtest/gtest.h>

#include <string>

namespace brivon {
namespace {

// The rules that show a value with a unit, side by side.
enum class Rule { Statistic, Readout, LoggerReadout };

struct ShownCase {
    const char* name;
    Rule rule;
    double lux;
    bool footCandles;
    const char* text;
};

class ShownValue : public ::testing::TestWithParam<ShownCase> { };

TEST_P(ShownValue, ReadsInTheUnitItIsShownIn)
{
    const ShownCase& c = GetParam();
    const auto lux = static_cast<float>(c.lux);
    const std::string text = c.rule == Rule::Statistic ? measure::statisticText(c.lux, c.footCandles)
        : c.rule == Rule::Readout                      ? measure::readoutText(lux, c.footCandles)
                                                       : measure::loggerReadoutText(lux, c.footCandles);
    EXPECT_EQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Texts, ShownValue,
    ::testing::Values(ShownCase { "StatisticFootCandles", Rule::Statistic, 1076.0, true, "100.00  FC" },
        ShownCase { "StatisticFootCandlesBelowKilo", Rule::Statistic, 10000.0, true, "929.37  FC" },
        ShownCase { "StatisticKiloFootCandles", Rule::Statistic, 20000.0, true, "1.86  KFC" },
        ShownCase { "StatisticLuxBelowKilo", Rule::Statistic, 999.0, false, "999.00  Lux" },
        ShownCase { "StatisticKiloLux", Rule::Statistic, 1000.0, false, "1.00  KLux" },
        ShownCase { "ReadoutKiloLux", Rule::Readout, 1500.0, false, "Data:1.50KLux" },
        ShownCase { "ReadoutLuxBelowKilo", Rule::Readout, 999.99, false, "Data:999.99Lux" },
        ShownCase { "ReadoutKiloFootCandles", Rule::Readout, 20000.0, true, "Data:1.86 KFC" },
        ShownCase { "ReadoutFootCandles", Rule::Readout, 100.0, true, "Data:9.29 FC" },
        ShownCase { "ReadoutOneKiloFootCandle", Rule::Readout, 10760.0, true, "Data:1.00 KFC" },
        ShownCase { "ReadoutOverRangeLux", Rule::Readout, 5000000.0, false, "Data: OL" },
        ShownCase { "ReadoutOverRangeFootCandles", Rule::Readout, 5000000.0, true, "Data: OL" },
        ShownCase { "LoggerLux", Rule::LoggerReadout, 999.99, false, "999.99 Lux" },
        ShownCase { "LoggerKiloLux", Rule::LoggerReadout, 1000.0, false, "1.00 KLux" },
        ShownCase { "LoggerFootCandles", Rule::LoggerReadout, 100.0, true, "9.29 FC" },
        ShownCase { "LoggerKiloFootCandles", Rule::LoggerReadout, 10760.0, true, "1.00 KFC" },
        ShownCase { "LoggerOverRangeLux", Rule::LoggerReadout, 5000000.0, false, "OL" },
        ShownCase { "LoggerOverRangeFootCandles", Rule::LoggerReadout, 5000000.0, true, "OL" }),
    [](const auto& param) { return std::string(param.param.name); });

// The rules that show a bare number.
enum class NumberRule { AxisLabel, LoggerAxisLabel, Csv };

struct NumberCase {
    const char* name;
    NumberRule rule;
    float value;
    const char* text;
};

class ShownNumber : public ::testing::TestWithParam<NumberCase> { };

TEST_P(ShownNumber, HasTwoDecimals)
{
    const NumberCase& c = GetParam();
    const std::string text = c.rule == NumberRule::AxisLabel ? measure::axisLabelText(c.value)
        : c.rule == NumberRule::LoggerAxisLabel              ? measure::loggerAxisLabelText(c.value)
                                                             : measure::csvLuxText(c.value);
    EXPECT_EQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Texts, ShownNumber,
    ::testing::Values(NumberCase { "AxisLabelBelowKilo", NumberRule::AxisLabel, 999.5f, "999.50" },
        NumberCase { "AxisLabelKilo", NumberRule::AxisLabel, 1000.0f, "1.00k" },
        NumberCase { "AxisLabelNegative", NumberRule::AxisLabel, -1500.0f, "-1500.00" },
        NumberCase { "LoggerAxisLabelKilo", NumberRule::LoggerAxisLabel, 48000.0f, "48.00K" },
        NumberCase { "LoggerAxisLabelNegative", NumberRule::LoggerAxisLabel, -1000.0f, "-1000.00" },
        NumberCase { "CsvLux", NumberRule::Csv, 1234.0f, "1234.00" },
        NumberCase { "CsvOverRange", NumberRule::Csv, 5000000.0f, "OL" }),
    [](const auto& param) { return std::string(param.param.name); });

struct ExportCase {
    const char* name;
    float value;
    std::uint8_t unitFlag;
    measure::FactorPrecision precision;
    bool negative;
    const char* data;
    const char* unit;
};

class ExportValue : public ::testing::TestWithParam<ExportCase> { };

TEST_P(ExportValue, DataAndUnitTexts)
{
    const ExportCase& c = GetParam();
    const measure::ExportValueText text
        = measure::exportValueText(c.value, c.unitFlag, c.precision, c.negative);
    EXPECT_EQ(text.data, c.data);
    EXPECT_EQ(text.unit, c.unit);
}

constexpr auto kDouble = measure::FactorPrecision::Double;
constexpr auto kSingle = measure::FactorPrecision::Single;

INSTANTIATE_TEST_SUITE_P(Values, ExportValue,
    ::testing::Values(ExportCase { "Zero", 0.0f, 0, kDouble, false, "0.00", "Lux" },
        ExportCase { "BelowKilo", 999.99f, 0, kDouble, false, "999.99", "Lux" },
        ExportCase { "KiloLux", 1000.0f, 0, kDouble, false, "1.00K", "Lux" },
        ExportCase { "KiloFootCandle", 10760.0f, 1, kDouble, false, "1.00K", "FC" },
        ExportCase { "FootCandleBelowKilo", 10750.0f, 1, kDouble, false, "999.07", "FC" },
        ExportCase { "FootCandleDouble", 5586.0f, 1, kDouble, false, "519.14", "FC" },
        ExportCase { "FootCandleSingle", 5586.0f, 1, kSingle, false, "519.15", "FC" },
        ExportCase { "OtherUnitFlagIsFootCandle", 10.76f, 2, kDouble, false, "1.00", "FC" },
        ExportCase { "OverRangeLux", 5000000.0f, 0, kDouble, false, "OL", "Lux" },
        ExportCase { "OverRangeFootCandle", 5000000.0f, 1, kSingle, false, "OL", "FC" },
        ExportCase { "NegativeOverRange", 5000000.0f, 0, kDouble, true, "-OL", "Lux" },
        ExportCase { "Negative", 12.5f, 1, kDouble, true, "-1.16", "FC" },
        ExportCase { "AboveTheMarkerIsANumber", 6000000.0f, 0, kDouble, false, "6000.00K", "Lux" }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
