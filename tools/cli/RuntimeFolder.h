#pragma once
// A private runtime folder for a GUI application made without a session.
// Qt's platform plugin wants XDG_RUNTIME_DIR and warns when it is not set;
// a login session sets it, a cron job or a bare shell may not. Where it is
// missing, a fresh folder only the user may enter (0700) is made in the
// temporary folder and named there for as long as this object lives.

#include <QTemporaryDir>

#include <memory>

namespace brivon::cli {

class RuntimeFolder {
public:
    RuntimeFolder();
    ~RuntimeFolder();
    RuntimeFolder(const RuntimeFolder&) = delete;
    RuntimeFolder& operator=(const RuntimeFolder&) = delete;

private:
    std::unique_ptr<QTemporaryDir> folder_;  // only when this object made one
};

}  // namespace brivon::cli
