#include "ui/app/WindowTitle.h"

namespace brivon::ui {

QString titleWithFile(const QString& title, const std::filesystem::path& file)
{
    if (file.empty()) return title;
    return QString::fromStdString(file.filename().string()) + QString::fromUtf8(" \u2014 ") + title;
}

}  // namespace brivon::ui
