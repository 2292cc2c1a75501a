#pragma once
// The menu "Pomoc", last in the main window's menu bar: the user's guide (opened in the
// desktop's browser from the installed copy, or from the source tree when the program runs
// from its build folder), the keyboard shortcuts, and "O programie".

#include <QString>
#include <QUrl>
#include <functional>

class QMainWindow;

namespace files {
class DatabaseLocation;
}

namespace ui {

// Adds "Pomoc" to `window`'s menu bar; `databasePath` is shown in "O programie".
void addHelpMenu(QMainWindow& window, std::function<QString()> databasePath);

// The user's guide: next to the installed program (<prefix>/share/doc/listy), else in the
// source tree the program was built from. Empty when neither is there.
QString guidePath();
// The texts of "Skróty klawiszowe" and "O programie".
QString shortcutsText(QMainWindow& window);
QString aboutText(const QString& databasePath);

// How a file is opened in the desktop's browser; tests install their own. Returns the
// previous opener; null restores the desktop's.
using UrlOpener = std::function<bool(const QUrl&)>;
UrlOpener setUrlOpener(UrlOpener opener);

}  // namespace ui
