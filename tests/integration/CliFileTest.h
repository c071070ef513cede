#pragma once
// A test of brivon-cli on data files it writes into a folder of its own.

#include "integration/CliProcess.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace brivon::support {

class CliFileTest : public ::testing::Test {
protected:
    // Writes `bytes` as `name` in the test's folder; its path.
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // The environment with times in UTC, so that printed times are known.
    static QProcessEnvironment utcEnvironment()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TZ", "UTC");
        return environment;
    }

    QTemporaryDir folder_;
};

}  // namespace brivon::support
