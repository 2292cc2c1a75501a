#pragma once
// The car cards' dialogs of the wagon window. CarCardsDialog ("Karty wagonów"): the wagons
// with a tick and a number of copies each, the card format, the sheet and the waybill card
// the pocket is sized for (kept in config/settings); "Podgląd", "PDF…" and "Drukuj" run the one
// car card print. CardColoursDialog ("Kolory kart"): the class groups and their paper
// colours, written to the file by "OK" in one command.

#include <QDialog>
#include <functional>

#include "print/car_cards.h"
#include "session/session.h"

class QComboBox;
class QDoubleSpinBox;
class QTableWidget;

namespace ui {

class CarCardsDialog : public QDialog {
    Q_OBJECT
public:
    CarCardsDialog(session::Session& session, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    // The ticked wagons with their copies, in the list's order.
    std::vector<print::CarCardRow> rows() const;
    // The options of the run as chosen (the offset is the printer's, added when printing).
    print::CarCardOptions options() const;

    void preview();
    void printToPdf();
    void printCards();
    // Tests print into a service of their own instead of a printer.
    void setPrintService(print::PrintService* service) { testService_ = service; }
    using PdfFileChooser = std::function<QString(QWidget* owner)>;
    static void setPdfFileChooser(PdfFileChooser chooser);

private:
    void remember() const;

    session::Session& session_;
    std::vector<model::Wagon> wagons_;
    QTableWidget* table_ = nullptr;
    QComboBox* format_ = nullptr;
    QComboBox* paper_ = nullptr;
    QComboBox* pocket_ = nullptr;
    QDoubleSpinBox* width_ = nullptr;  // the user's own size ("Własny…"), in mm
    QDoubleSpinBox* height_ = nullptr;
    print::PrintService* testService_ = nullptr;
};

class CardColoursDialog : public QDialog {
    Q_OBJECT
public:
    CardColoursDialog(session::Session& session, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    std::vector<model::CardColourGroup> groups() const;
    // A colour chooser for tests; by default QColorDialog.
    using ColourChooser = std::function<QColor(QWidget* owner, const QColor& start)>;
    static void setColourChooser(ColourChooser chooser);
    void chooseColour(int row);
    void accept() override;

private:
    void addRow(const model::CardColourGroup& group);

    session::Session& session_;
    QTableWidget* table_ = nullptr;
};

}  // namespace ui
