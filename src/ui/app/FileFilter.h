#pragma once
// File dialog filters are written the classic way, "Description|pattern|...|";
// the dialogs of the Qt layer take "Description (pattern);;...".

#include <string>

namespace brivon::ui {

// "DataLogger Files (*.AsmDat)|*.AsmDat|*.CH4|*.CH4|" becomes
// "DataLogger Files (*.AsmDat);;*.CH4 (*.CH4)". A description that already
// names its patterns in brackets is kept as it is; ';' between patterns becomes ' '.
std::string dialogFilter(const std::string& classicFilter);

}  // namespace brivon::ui
