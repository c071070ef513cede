#pragma once
// A folder of the test's own for the settings and the run journal: while the
// object lives, XDG_CONFIG_HOME names it and XDG_STATE_HOME names it or a
// path inside it. Header only, so the Qt-free support library stays so.

#include <QTemporaryDir>
#include <QtGlobal>

namespace brivon::support {

class TemporaryHome : public QTemporaryDir {
public:
    // `stateName` puts the journal folder at that path inside the home.
    explicit TemporaryHome(const QString& stateName = {})
    {
        qputenv("XDG_CONFIG_HOME", path().toUtf8());
        qputenv("XDG_STATE_HOME", (stateName.isEmpty() ? path() : filePath(stateName)).toUtf8());
    }
    ~TemporaryHome()
    {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_STATE_HOME");
    }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;
};

}  // namespace brivon::support
