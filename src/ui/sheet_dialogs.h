#pragma once
// What the workbook commands of "Wymiana" ask the user: where to write a workbook, which
// files to import (CSV and workbooks alike), and, for a CSV file that is not UTF-8, its
// encoding, chosen from the file's first rows shown in each likely encoding side by side.
// Tests install their own choosers.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/encoding.h"
#include "session/session.h"

class QTableWidget;
class QPushButton;

namespace ui {

struct SheetChoosers {
    std::function<QString(QWidget*)> workbookFile;     // where "Eksport arkusza…" writes
    std::function<QStringList(QWidget*)> importFiles;  // what "Import arkusza…" reads
    // The encoding of the file `name` with `bytes`, from `candidates` (the likeliest first);
    // nothing when the user cancels.
    std::function<std::optional<model::Encoding>(QWidget*, const QString& name,
                                                 const std::string& bytes,
                                                 const std::vector<model::Encoding>& candidates)>
        encoding;
};

// Installs choosers (an empty function keeps the real dialog); returns the previous ones.
SheetChoosers setSheetChoosers(SheetChoosers choosers);

QString chooseWorkbookFile(QWidget* owner);
QStringList chooseImportFiles(QWidget* owner);
// The encoding of `file` (one that needs one), asked under `name`.
std::optional<model::Encoding> chooseEncoding(QWidget* owner, const QString& name,
                                              const formats::ImportFile& file);

// The window of chooseEncoding(): a column per candidate with the file's first rows decoded
// in it, and a button per candidate ("Wczytaj jako windows-1252"), the likeliest the default.
class EncodingDialog : public QDialog {
    Q_OBJECT
public:
    // `previews` holds for each candidate the file's first lines decoded in it.
    EncodingDialog(const QString& name, std::vector<model::Encoding> candidates,
                   const std::vector<std::vector<std::string>>& previews,
                   QWidget* parent = nullptr);
    QTableWidget* table() const { return table_; }
    QPushButton* button(std::size_t candidate) const { return buttons_.at(candidate); }
    // The encoding whose button closed the dialog; nothing when it was cancelled.
    std::optional<model::Encoding> chosen() const { return chosen_; }

private:
    std::vector<model::Encoding> candidates_;
    QTableWidget* table_ = nullptr;
    std::vector<QPushButton*> buttons_;
    std::optional<model::Encoding> chosen_;
};

}  // namespace ui
