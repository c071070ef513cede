#pragma once
// The result of reading or saving a data file: a status the caller can branch
// on and a message it can show as it is.

#include <string>

namespace brivon::files {

enum class FileStatus {
    Ok,
    InvalidFormat,  // not the program's signature, or a field no data file holds: nothing is kept
    EndedEarly,  // the file ends before its last field: what was read so far is kept
    CountOutOfRange,  // the file holds more records than the store can take: refused
    CannotOpen,
    NotAFile,  // a folder, FIFO, device or the like: never opened
    CannotWrite,  // the target is untouched
    Unsavable,  // holds a field no data file holds: nothing was written
};

// A field whose value no data file holds, e.g. { "month", "13" }.
struct FieldProblem {
    std::string field;
    std::string value;

    std::string text() const { return "invalid " + field + " " + value; }
};

struct FileOutcome {
    FileStatus status = FileStatus::Ok;
    std::string message;
    // For a refused field: which one and its value ("invalid month 13"), as the
    // command line names it; the windows show only the message.
    std::string detail;
    // The file is a data file of the other kind, which `detail` names.
    bool otherKind = false;

    bool ok() const { return status == FileStatus::Ok; }
    // The signature was accepted, whatever happened after it.
    bool signatureAccepted() const
    {
        return status != FileStatus::InvalidFormat && status != FileStatus::CannotOpen
            && status != FileStatus::NotAFile;
    }
    // Why `file` was refused, in words that name it: "run.MemDat is a memory
    // list, not a graph file", "run.AsmDat: invalid month 13".
    std::string reason(const std::string& file) const;
};

namespace file_outcome {

inline constexpr const char* kInvalidFormatMessage = "Invalid Format!";

FileOutcome success();
FileOutcome invalidFormat();
// A field whose value no data file holds.
FileOutcome invalidField(const FieldProblem& problem);
// A data file of the other kind where `expected` was asked for; both are
// names with their article ("a memory list", "a graph file").
FileOutcome otherKind(const std::string& actual, const std::string& expected);
// What a save was asked to write holds such a field; `what` names it ("Set 2 (15/01/26 08:30:00)").
FileOutcome unsavable(const std::string& what, const FieldProblem& problem);
// The file was written, but reading it back did not give what was written.
FileOutcome notReadBack(const std::string& path, const std::string& reason);
FileOutcome endedEarly();
FileOutcome countOutOfRange(long long count, int capacity, const std::string& what);
// errorNumber is the errno of the failed call, 0 when there is none.
FileOutcome cannotOpen(int errorNumber);
// `what` says what the path is instead ("run.AsmDat is a folder, not a file").
FileOutcome notAFile(const std::string& what);
// The same as a save's CannotWrite, for a save onto such a path.
FileOutcome cannotWriteNotAFile(const std::string& what);
FileOutcome cannotWrite(const std::string& path, int errorNumber);
// A save refused for a reason of the program's own, said in words.
FileOutcome cannotWrite(const std::string& path, const std::string& reason);

}  // namespace file_outcome

}  // namespace brivon::files
