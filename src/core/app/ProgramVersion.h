#pragma once
// The program's version as the About box and brivon-cli --version show it.

namespace brivon::app {

inline constexpr const char* kVersionText = "Brivon Version 2.0";

}  // namespace brivon::app
