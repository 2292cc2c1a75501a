#pragma once
// PrintOptionsDialog ("Opcje wydruku"): how the print window lays out its cards: the first
// slot of the first sheet, the order of the cards, return cards, letter codes on the
// bands, the toner saver, the card format and paper (a preset or the user's own size, which
// is refused with a message when no card fits the sheet), fold-over slips, and the offset of
// the chosen printer. The window keeps the choice in config/settings, the offset for each
// printer by its name; the command line never reads it.

#include <QDialog>
#include <optional>
#include <string>

#include "print/print_options.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace ui {

class PrintOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintOptionsDialog(QWidget* parent = nullptr);

    void setOptions(const print::PrintOptions& options);
    print::PrintOptions options() const;
    // The printer whose offset the dialog shows.
    void setPrinterName(const QString& name);

    // A format of the user's own that no card of fits is refused with a message.
    void accept() override;

private:
    // The format chosen, or none with the reason when the user's own sizes do not fit.
    std::optional<print::CardFormat> chosenFormat(std::string* why = nullptr) const;
    // The first slot's range and the custom sizes' state follow the format.
    void followFormat();

    QSpinBox* firstSlot_;
    QLabel* slotHint_;
    QComboBox* order_;
    QCheckBox* returnCards_;
    QCheckBox* letterCodes_;
    QCheckBox* tonerSaver_;
    QComboBox* format_;
    QComboBox* paper_;
    QDoubleSpinBox* customWidth_;
    QDoubleSpinBox* customHeight_;
    QCheckBox* customLandscape_;
    QCheckBox* fold_;
    QLabel* offsetLabel_;
    QSpinBox* offsetX_;
    QSpinBox* offsetY_;
};

// The options chosen last in the print window. A value that is missing, or none of its
// option's values, reads as that option's default.
// The offset is not among them (it is the printer's): loadPrintOptions() gives none.
print::PrintOptions loadPrintOptions();
void savePrintOptions(const print::PrintOptions& options);
// The offset kept for the printer named `printer`; none for a printer that has no offset.
print::PrinterOffset loadPrinterOffset(const QString& printer);
void savePrinterOffset(const QString& printer, const print::PrinterOffset& offset);

}  // namespace ui
