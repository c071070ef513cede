#include "RuntimeFolder.h"

#include <QFile>
#include <QtGlobal>

namespace brivon::cli {
namespace {

constexpr const char* kRuntimeVariable = "XDG_RUNTIME_DIR";

}  // namespace

RuntimeFolder::RuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty(kRuntimeVariable)) return;
    // QTemporaryDir makes the folder with mkdtemp: a new name, mode 0700.
    auto folder = std::make_unique<QTemporaryDir>();
    if (!folder->isValid()) return;
    qputenv(kRuntimeVariable, QFile::encodeName(folder->path()));
    folder_ = std::move(folder);
}

RuntimeFolder::~RuntimeFolder()
{
    if (folder_) qunsetenv(kRuntimeVariable);
}

}  // namespace brivon::cli
