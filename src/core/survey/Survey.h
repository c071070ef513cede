#pragma once
// A light survey of memory records: its points, their figures and, when a
// requirement is given, whether the area meets it.

#include "core/store/MemoryBlock.h"
#include "core/survey/SurveyGrid.h"
#include "core/survey/SurveyRequirement.h"
#include "core/survey/SurveyStatistics.h"

#include <optional>
#include <string>
#include <vector>

namespace brivon::survey {

struct SurveyRequest {
    GridSize grid;
    std::optional<RecordRange> records;  // all records when none
    Requirement requirement;
};

struct Survey {
    std::vector<SurveyPoint> points;
    SurveyStatistics statistics;
    std::optional<RequirementResult> result;  // none without a requirement
};

struct SurveyOutcome {
    std::optional<Survey> survey;
    std::string refusal;  // why there is no survey
};

// Refuses a requirement that cannot be judged against, and what surveyPoints refuses.
SurveyOutcome makeSurvey(const store::MemoryBlock& block, const SurveyRequest& request);

}  // namespace brivon::survey
