#pragma once
// The light over a room lit from above, as a survey of it reads: a square room
// with four luminaires at a mounting height over the working plane, each a
// point source whose illuminance falls off with cos³ of the angle from straight
// below it, so that the light is brightest near the middle and falls off
// towards the walls.

#include "core/survey/SurveyGrid.h"

#include <vector>

namespace brivon::sim {

// The illuminance in lux at the centre of each cell of the grid laid over the
// room, row by row; the middle of the room reads 750 lx.
std::vector<double> surveyRoomLux(survey::GridSize grid);

}  // namespace brivon::sim
