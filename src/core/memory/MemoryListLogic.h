#pragma once
// The memory list window's logic: when its list fills from the document's
// memory block, and its Save and Open commands on that block.

#include "core/files/MemoryListRows.h"
#include "core/platform/Clock.h"
#include "core/platform/Prompts.h"
#include "core/store/MemoryBlock.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace brivon::memory {

// The flags that the downloads and the file chooser set for the list.
struct MemoryListFlags {
    const bool& memoryEmpty;  // the last memory download found no record
    bool& fillRequest;  // a memory download filled the block: list it once
};

// What the window was opened for: a memory download's list, or list files
// (chosen in the Open dialog), which Save does not write again.
enum class ListSource { Download, ListFiles };

// The name Save proposes: the current set's start `setStart`, or the newest
// record's time when no set was loaded (`setStart` 0), "%y-%m-%d %H.%M.%S".
std::string proposedFileName(
    platform::TimeValue setStart, const store::MemoryBlock& block, const platform::Clock& clock);

class MemoryListLogic {
public:
    static constexpr const char* kEmptyMessage = "There is no Data in the MEM!";
    static constexpr const char* kDefaultExtension = "MemDat";
    static constexpr const char* kFilter = "Memery Files (*.MemDat)|*.MemDat|";

    MemoryListLogic(
        store::MemoryBlock& block, MemoryListFlags flags, ListSource source, platform::Prompts& prompts);

    // The fill step, run when the window shows and after Open: the rows that
    // replace the list's, or nothing when the list stays as it is. An empty
    // memory is reported once per window, and the list then stays empty.
    std::optional<std::vector<files::MemoryListRow>> refresh();

    // Writes the block as a list file and its text export, both or neither,
    // after asking before replacing either; a failure is reported with its reason.
    void save(const std::string& defaultName);
    // Reads a list file into the block; a file that is not one is reported
    // and changes nothing. The next refresh lists what was read.
    void open();
    // open() on a file already chosen; true when records were read.
    bool openFile(const std::string& path);

    const store::MemoryBlock& block() const { return block_; }
    // The list file last read or written in this window; empty before either.
    const std::filesystem::path& shownFile() const { return shownFile_; }

private:
    store::MemoryBlock& block_;
    MemoryListFlags flags_;
    ListSource source_;
    platform::Prompts& prompts_;
    bool listLoaded_ = false;
    bool emptyReported_ = false;
    std::filesystem::path shownFile_;
};

}  // namespace brivon::memory
