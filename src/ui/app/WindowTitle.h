#pragma once
// A window's title with the file it shows: "run.AsmDat — Brivon"; the title
// alone when it shows no file.

#include <QString>

#include <filesystem>

namespace brivon::ui {

QString titleWithFile(const QString& title, const std::filesystem::path& file);

}  // namespace brivon::ui
