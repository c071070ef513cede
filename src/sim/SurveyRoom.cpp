#include "sim/SurveyRoom.h"

#include <array>
#include <cmath>

namespace brivon::sim {
namespace {

constexpr double kRoomSide = 6.0;  // metres
constexpr double kMountingHeight = 2.0;  // metres above the working plane
constexpr double kLuminairePitch = 2.5;  // metres between neighbouring luminaires
constexpr double kMiddleLux = 750.0;

// The luminaires stand in a square around the middle, on both axes at these offsets from it.
constexpr std::array<double, 2> kLuminaireOffsets { -kLuminairePitch / 2, kLuminairePitch / 2 };

// The illuminance at (x, y) metres from the middle, in units of one luminaire's
// illuminance straight below it: the sum of cos³θ over the luminaires.
double relativeIlluminance(double x, double y)
{
    double sum = 0.0;
    for (const double luminaireX : kLuminaireOffsets) {
        for (const double luminaireY : kLuminaireOffsets) {
            const double cosine
                = kMountingHeight / std::hypot(kMountingHeight, x - luminaireX, y - luminaireY);
            sum += cosine * cosine * cosine;
        }
    }
    return sum;
}

// Where the centre of cell `index` of `count` lies along one side, in metres from the middle.
double cellCentre(int index, int count)
{
    return ((index + 0.5) / count - 0.5) * kRoomSide;
}

}  // namespace

std::vector<double> surveyRoomLux(survey::GridSize grid)
{
    const double scale = kMiddleLux / relativeIlluminance(0.0, 0.0);
    std::vector<double> lux;
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column)
            lux.push_back(
                scale * relativeIlluminance(cellCentre(column, grid.columns), cellCentre(row, grid.rows)));
    return lux;
}

}  // namespace brivon::sim
