#pragma once
// A fresh, empty working directory for one test; the previous one is restored afterwards.
// The database file lives in the working directory.

#include <QDir>
#include <QTemporaryDir>

namespace testing {

class WorkDir {
public:
    WorkDir() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
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
