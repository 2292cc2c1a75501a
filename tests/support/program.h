#pragma once
// The whole program for window tests: a fresh working directory, scripted dialogs, and the
// application's windows created as at start, the main window shown. A database made
// beforehand gets its schema from store's start-up sequence, without any window.

#include <QPushButton>
#include <QString>
#include <QTest>
#include <QWidget>
#include <memory>

#include "support/scripted_dialogs.h"
#include "support/work_dir.h"
#include "ui/app_windows.h"

namespace testing {

// Creates the schema in `file` (listy.sdb of the working directory, or another), then runs
// `setupSql` on it.
void makeDatabase(const QString& file, const QString& setupSql);

struct Program {
    WorkDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<ui::AppWindows> windows;

    // With `setupSql`, the database is made first and holds its rows.
    explicit Program(const QString& setupSql = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    QString file() const { return dir.file(QStringLiteral("listy.sdb")); }
    ui::MainWindow& main() { return *windows->main; }

    // The child `name` of `parent`; a missing one stops the test program with its name.
    template <typename T = QWidget>
    static T* find(QWidget& parent, const char* name) {
        T* w = parent.findChild<T*>(QLatin1String(name));
        if (!w) qFatal("no widget %s", name);
        return w;
    }
    // Clicks "Button<n>" of `parent`.
    static void clickButton(QWidget& parent, int n) {
        QTest::mouseClick(find<QPushButton>(parent, qPrintable(QStringLiteral("Button%1").arg(n))),
                          Qt::LeftButton);
    }
};

}  // namespace testing
