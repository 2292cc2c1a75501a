#pragma once
// A fresh, empty working directory for one test; the previous one is restored afterwards.
// The database file lives in the working directory, and so do the settings the program
// keeps with QSettings: a test never reads or writes the user's own.

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace testing {

class WorkDir {
public:
    WorkDir() : previous_(QDir::currentPath()) {
        QDir::setCurrent(dir_.path());
        QStandardPaths::setTestModeEnabled(true);
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, dir_.path());
        }
    }
    ~WorkDir() { QDir::setCurrent(previous_); }
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QString previous_;
    QTemporaryDir dir_;
};

}  // namespace testing
