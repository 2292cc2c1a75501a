#pragma once
// PrintOptionsDialog ("Opcje wydruku"): how the print window lays out its cards: the first
// slot of the first sheet, the order of the cards, return cards, letter codes on the
// bands, the toner saver. The window keeps the choice with QSettings; the command line
// never reads it.

#include <QDialog>

#include "print/print_options.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace ui {

class PrintOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintOptionsDialog(QWidget* parent = nullptr);

    void setOptions(const print::PrintOptions& options);
    print::PrintOptions options() const;

private:
    QSpinBox* firstSlot_;
    QComboBox* order_;
    QCheckBox* returnCards_;
    QCheckBox* letterCodes_;
    QCheckBox* tonerSaver_;
};

// The options chosen last in the print window. A value that is missing, or none of its
// option's values, reads as that option's default.
print::PrintOptions loadPrintOptions();
void savePrintOptions(const print::PrintOptions& options);

}  // namespace ui
