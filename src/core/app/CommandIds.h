#pragma once
// The command ids of the main window's menu, toolbar and accelerators.

namespace brivon::app::command_ids {

inline constexpr int kRun = 32771;
inline constexpr int kStop = 32772;
inline constexpr int kHelpContents = 32779;
inline constexpr int kCom1 = 32783;  // COM1-COM4 are kCom1 + n - 1
inline constexpr int kCom4 = 32786;
inline constexpr int kUndoZoom = 32811;
inline constexpr int kPowerOff = 32812;
inline constexpr int kSave = 32814;
inline constexpr int kOtherCom = 32817;
inline constexpr int kDataLoggerGraph = 32818;  // opens the data-logger window as it is
inline constexpr int kDataLogger = 32819;
inline constexpr int kOpen = 32827;
inline constexpr int kMem = 32839;
// The run as CSV, beside Save.
inline constexpr int kExportCsv = 32900;

// Framework commands.
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kPrint = 57607;
inline constexpr int kAbout = 57664;

}  // namespace brivon::app::command_ids
