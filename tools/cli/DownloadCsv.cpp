#include "DownloadCsv.h"

#include "core/files/CsvExport.h"

#include <initializer_list>

namespace brivon::cli {

namespace {

std::string csvLine(std::initializer_list<std::string> fields)
{
    std::string line;
    bool first = true;
    for (const std::string& text : fields) {
        if (!first) line += ',';
        line += files::csvField(text);
        first = false;
    }
    return line;
}

}  // namespace

std::string memoryCsvLine(const files::MemoryListRow& row)
{
    return csvLine({ row.number, row.data, row.unit, row.status, row.time });
}

std::string loggerCsvLine(const logger::SetRow& row, const std::filesystem::path& file)
{
    return csvLine({ row[0], row[1], row[2], row[3], row[4], file.string() });
}

}  // namespace brivon::cli
