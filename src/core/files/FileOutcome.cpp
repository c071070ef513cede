#include "core/files/FileOutcome.h"

#include <system_error>

namespace brivon::files {

std::string FileOutcome::reason(const std::string& file) const
{
    if (otherKind) return file + " is " + detail;
    return file + ": " + (detail.empty() ? message : detail);
}

}  // namespace brivon::files

namespace brivon::files::file_outcome {
namespace {

std::string withReason(const std::string& text, int errorNumber)
{
    if (errorNumber == 0) return text;
    return text + ": " + std::generic_category().message(errorNumber);
}

}  // namespace

FileOutcome success()
{
    return {};
}

FileOutcome invalidFormat()
{
    return { FileStatus::InvalidFormat, kInvalidFormatMessage, {} };
}

FileOutcome invalidField(const FieldProblem& problem)
{
    return { FileStatus::InvalidFormat, kInvalidFormatMessage, problem.text() };
}

FileOutcome otherKind(const std::string& actual, const std::string& expected)
{
    return { FileStatus::InvalidFormat, kInvalidFormatMessage, actual + ", not " + expected, true };
}

FileOutcome unsavable(const std::string& what, const FieldProblem& problem)
{
    return { FileStatus::Unsavable, what + " cannot be saved: " + problem.text() + ".", problem.text() };
}

FileOutcome notReadBack(const std::string& path, const std::string& reason)
{
    return { FileStatus::CannotWrite, path + " was written but does not read back as written: " + reason,
        {} };
}

FileOutcome endedEarly()
{
    return { FileStatus::EndedEarly, "The file ends before all of its data could be read.", {} };
}

FileOutcome countOutOfRange(long long count, int capacity, const std::string& what)
{
    return { FileStatus::CountOutOfRange,
        "The file gives " + std::to_string(count) + " " + what + "; between 0 and " + std::to_string(capacity)
            + " can be loaded.",
        {} };
}

FileOutcome cannotOpen(int errorNumber)
{
    return { FileStatus::CannotOpen, withReason("The file cannot be opened", errorNumber), {} };
}

FileOutcome notAFile(const std::string& what)
{
    return { FileStatus::NotAFile, what, {} };
}

FileOutcome cannotWriteNotAFile(const std::string& what)
{
    return { FileStatus::CannotWrite, what, {} };
}

FileOutcome cannotWrite(const std::string& path, int errorNumber)
{
    return { FileStatus::CannotWrite, withReason("Cannot write " + path, errorNumber), {} };
}

FileOutcome cannotWrite(const std::string& path, const std::string& reason)
{
    return { FileStatus::CannotWrite, "Cannot write " + path + ": " + reason, {} };
}

}  // namespace brivon::files::file_outcome
