#pragma once
// What the "Wymiana" menu asks the user: a folder for the CSV export, CSV files to import,
// another Listy file to merge, and a copy to restore. Tests install their own choosers.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "session/session.h"

class QTableWidget;

namespace ui {

struct ExchangeChoosers {
    std::function<QString(QWidget*)> exportFolder;
    std::function<QStringList(QWidget*)> csvFiles;
    std::function<QString(QWidget*)> databaseFile;
};

// Installs choosers (an empty function keeps the file dialog); returns the previous ones.
ExchangeChoosers setExchangeChoosers(ExchangeChoosers choosers);

// Each returns an empty result when the user cancels.
QString chooseExportFolder(QWidget* owner);
QStringList chooseCsvFiles(QWidget* owner);
QString chooseDatabaseFile(QWidget* owner);

// "Przywróć kopię…": the copies, newest first, with date, size and waybill count; the
// button "Przywróć" takes the chosen one.
class RestoreDialog : public QDialog {
    Q_OBJECT
public:
    RestoreDialog(const std::vector<files::BackupInfo>& copies, QWidget* parent = nullptr);
    QTableWidget* table() const { return table_; }
    // The copy chosen when the dialog was accepted.
    std::optional<files::BackupInfo> chosen() const;

private:
    std::vector<files::BackupInfo> copies_;
    QTableWidget* table_ = nullptr;
};

// A size in bytes as the list shows it ("12,5 kB").
QString sizeText(std::uintmax_t bytes);

}  // namespace ui
