#include "sim/DumpEncoder.h"

#include "core/link/MeterProtocol.h"
#include "sim/MeterCounts.h"

#include <algorithm>
#include <array>

namespace brivon::sim {
namespace {

// Memory dump: two mark bytes and one unused byte, then the records.
constexpr std::size_t kMemoryRecordsOffset = 3;
constexpr std::size_t kMemoryRecordLength = 13;
// Memory record offsets.
constexpr std::size_t kRecYear = 0, kRecMonth = 2, kRecDay = 3, kRecHour = 4, kRecMinute = 5, kRecSecond = 6;
constexpr std::size_t kRecHundreds = 8, kRecUnits = 9, kRecScale = 10, kRecSign = 11;
constexpr std::uint8_t kRecNegativeBit = 0x10;

// Bits shared by memory records and logger records: range code and foot-candle flag.
constexpr std::uint8_t kRangeMask = 0x03, kFootCandleBit = 0x04;

// Data-logger header offsets.
constexpr std::size_t kHeaderLengthHigh = 3, kHeaderLengthLow = 4;
// Set header.
constexpr std::array<std::uint8_t, 2> kSetMark { 0xAA, 0x56 };
constexpr std::size_t kSetInterval = 3, kSetUnit = 4, kSetYear = 6, kSetMonth = 8, kSetDay = 9, kSetHour = 10,
                      kSetMinute = 11, kSetSecond = 12;
constexpr int kMaxPlainByte = 255;

std::uint8_t scaleBits(int rangeIndex, bool footCandle)
{
    auto bits = static_cast<std::uint8_t>(rangeIndex & kRangeMask);
    if (footCandle) bits |= kFootCandleBit;
    return bits;
}

void putMemoryRecord(std::uint8_t* out, const MemoryRecord& r)
{
    out[kRecYear] = yearByte(r.time);
    out[kRecMonth] = toBcd(r.time.month);
    out[kRecDay] = toBcd(r.time.day);
    out[kRecHour] = toBcd(r.time.hour);
    out[kRecMinute] = toBcd(r.time.minute);
    out[kRecSecond] = toBcd(r.time.second);
    const CountBytes count = splitCount(countFor(r.lux, r.rangeIndex, r.footCandle));
    out[kRecHundreds] = count.hundreds;
    out[kRecUnits] = count.units;
    out[kRecScale] = static_cast<std::uint8_t>(
        scaleBits(r.rangeIndex, r.footCandle) | static_cast<std::uint8_t>(r.type));
    out[kRecSign] = r.negative ? kRecNegativeBit : 0;
}

void appendSetHeader(std::vector<std::uint8_t>& out, const LoggerSet& set)
{
    std::array<std::uint8_t, kLoggerSetHeaderLength> header {};
    header[0] = kSetMark[0];
    header[1] = kSetMark[1];
    header[kSetInterval] = static_cast<std::uint8_t>(std::clamp(set.samplingInterval, 0, kMaxPlainByte));
    header[kSetUnit] = set.sentUnitByte.value_or(set.footCandle ? 1 : 0);
    header[kSetYear] = set.sentYearByte.value_or(yearByte(set.start));
    header[kSetMonth] = toBcd(set.start.month);
    header[kSetDay] = toBcd(set.start.day);
    header[kSetHour] = toBcd(set.start.hour);
    header[kSetMinute] = toBcd(set.start.minute);
    header[kSetSecond] = toBcd(set.start.second);
    out.insert(out.end(), header.begin(), header.end());
}

void appendRecord(std::vector<std::uint8_t>& out, const LoggerRecord& r, bool footCandle)
{
    const CountBytes count = splitCount(countFor(r.lux, r.rangeIndex, footCandle));
    out.push_back(count.hundreds);
    out.push_back(count.units);
    out.push_back(scaleBits(r.rangeIndex, footCandle));
}

}  // namespace

std::vector<std::uint8_t> encodeMemoryDump(const std::vector<MemoryRecord>& records)
{
    std::vector<std::uint8_t> dump(link::protocol::kMemoryDumpLength, 0);
    dump[0] = link::protocol::kMemoryDumpMark0;
    dump[1] = link::protocol::kMemoryDumpMark1;
    const std::size_t stored = std::min(records.size(), static_cast<std::size_t>(kMemoryCapacity));
    for (std::size_t i = 0; i < stored; ++i) {
        putMemoryRecord(dump.data() + kMemoryRecordsOffset + i * kMemoryRecordLength, records[i]);
    }
    return dump;
}

std::vector<std::uint8_t> encodeLoggerHeader(int dumpLength)
{
    const int length = std::clamp(dumpLength, 0, kMaxLoggerDumpLength);
    std::vector<std::uint8_t> header(link::protocol::kLoggerHeaderLength, 0);
    header[0] = link::protocol::kLoggerHeaderMark0;
    header[1] = link::protocol::kLoggerHeaderMark1;
    header[kHeaderLengthHigh] = static_cast<std::uint8_t>(length >> 8);
    header[kHeaderLengthLow] = static_cast<std::uint8_t>(length & 0xFF);
    return header;
}

std::vector<std::uint8_t> encodeLoggerDump(const std::vector<LoggerSet>& sets)
{
    constexpr auto kLimit = static_cast<std::size_t>(kMaxLoggerDumpLength);
    std::vector<std::uint8_t> dump;
    for (const LoggerSet& set : sets) {
        if (dump.size() + kLoggerSetHeaderLength + kLoggerRecordLength > kLimit) break;
        appendSetHeader(dump, set);
        for (const LoggerRecord& record : set.records) {
            if (dump.size() + kLoggerRecordLength > kLimit) break;
            appendRecord(dump, record, set.footCandle);
        }
    }
    return dump;
}

int loggerLengthOf(const LoggerSet& set)
{
    return kLoggerSetHeaderLength + kLoggerRecordLength * static_cast<int>(set.records.size());
}

}  // namespace brivon::sim
