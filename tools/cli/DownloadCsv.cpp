#include "DownloadCsv.h"

#include "core/files/CsvExport.h"

namespace brivon::cli {

std::string memoryCsvLine(const files::MemoryListRow& row)
{
    return files::csvLine({ row.number, row.data, row.unit, row.status, row.time });
}

std::string loggerCsvLine(const logger::SetRow& row, const std::filesystem::path& file)
{
    return files::csvLine({ row[0], row[1], row[2], row[3], row[4], file.string() });
}

}  // namespace brivon::cli
