#pragma once
// A survey's figures as a report gives them: lux and uniformities to two
// decimals. A requirement is judged on these, so that a printed figure and
// its verdict never disagree.

#include <string>

namespace brivon::survey {

// `value` rounded to two decimals.
double reportedFigure(double value);

// "%.2f" of the reported figure.
std::string figureText(double value);

}  // namespace brivon::survey
