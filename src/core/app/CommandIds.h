#pragma once
// The command ids of the main window's menu, toolbar and accelerators.

namespace brivon::app::command_ids {

// Unscoped, so an id is also the int the menus, the toolbar and the command updates carry.
enum CommandId : int {
    kRun = 32771,
    kStop = 32772,
    kHelpContents = 32779,
    kCom1 = 32783,  // COM1-COM4 are kCom1 + n - 1
    kCom4 = 32786,
    kUndoZoom = 32811,
    kPowerOff = 32812,
    kSave = 32814,
    kOtherCom = 32817,
    kDataLoggerGraph = 32818,  // opens the data-logger window as it is
    kDataLogger = 32819,
    kOpen = 32827,
    kMem = 32839,
    // The run as CSV, beside Save.
    kExportCsv = 32900,
    // Clears the running Max/Min/Avg of the statistics strip.
    kResetStatistics = 32901,
    // Zooms the graph to the values it shows, beside UndoZoom.
    kFit = 32902,

    // Framework commands.
    kPrintSetup = 57606,
    kPrint = 57607,
    kAbout = 57664,
};

}  // namespace brivon::app::command_ids
