#pragma once
// The result of reading or saving a data file: a status the caller can branch
// on and a message it can show as it is.

#include <string>

namespace brivon::files {

enum class FileStatus {
    Ok,
    InvalidFormat,  // the signature is not the program's: nothing was read after it
    EndedEarly,  // the file ends before its last field: what was read so far is kept
    CountOutOfRange,  // the file holds more records than the store can take: refused
    CannotOpen,
    CannotWrite,  // the target is untouched
};

struct FileOutcome {
    FileStatus status = FileStatus::Ok;
    std::string message;

    bool ok() const { return status == FileStatus::Ok; }
    // The signature was accepted, whatever happened after it.
    bool signatureAccepted() const
    {
        return status != FileStatus::InvalidFormat && status != FileStatus::CannotOpen;
    }
};

namespace file_outcome {

inline constexpr const char* kInvalidFormatMessage = "Invalid Format!";

FileOutcome success();
FileOutcome invalidFormat();
FileOutcome endedEarly();
FileOutcome countOutOfRange(long long count, int capacity, const std::string& what);
// errorNumber is the errno of the failed call, 0 when there is none.
FileOutcome cannotOpen(int errorNumber);
FileOutcome cannotWrite(const std::string& path, int errorNumber);

}  // namespace file_outcome

}  // namespace brivon::files
