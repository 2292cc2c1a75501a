#pragma once
// PrintWindow ("Wydruk"): the printer, the waybills to print and the copies of each. Every
// showing lists every waybill afresh, unticked with the count "2", under a header row: one
// list view over the rows' model, whatever their number. Hiding the window forgets the rows.
// "Drukuj" prints the ticked rows as waybill cards on the chosen printer (none chosen: the default
// printer). With no printer installed at all it asks for a PDF file and prints into it. The context
// menu of "Drukuj" offers a PDF file, a print preview for any selection, and the print options
// ("Opcje wydruku…", kept in config/settings), which every way of printing follows. The list's
// context menu and its shortcuts tick, untick and invert all rows at once, tick the rows of a
// station, and set the count of every ticked row.

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "print/print_run.h"
#include "session/session.h"
#include "session/shown_list.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace ui {

class PrintHeaderRow;
class PrintList;
class PrintRowsModel;

class PrintWindow : public QDialog {
    Q_OBJECT
public:
    explicit PrintWindow(session::Session& session, QWidget* parent = nullptr);
    ~PrintWindow() override;

    // The waybills in the query's order, their ticks and counts; the list showing them and
    // the header row above it.
    PrintRowsModel& rows() const { return *rows_; }
    PrintList& list() const { return *list_; }
    PrintHeaderRow& header() const { return *header_; }
    double scale() const { return scale_; }
    session::ShownList& waybills() { return waybills_; }
    session::ShownList& colourQuery() { return colours_; }

    void listPrinters();
    void fillOnShow();
    void printTicked();       // "Drukuj"
    void printToPdf();        // context menu: the cards into a PDF file asked for
    void printPreview();      // context menu: the cards in a preview window
    void editPrintOptions();  // context menu: "Opcje wydruku…"

    // The list's context menu.
    void tickAll();
    void untickAll();
    void invertTicks();
    void tickBySendingStation();
    void tickByReceivingStation();
    void setTickedCounts();

    // Test seams. A print service set here (not owned) takes every "Drukuj" with the
    // selected index, in place of the installed printers; null restores them.
    void setPrintService(print::PrintService* service) { testService_ = service; }
    // Asks for the name of a PDF file to write; an empty name prints nothing. Returns the
    // previous chooser; null restores the file dialog.
    using PdfFileChooser = std::function<QString(QWidget* owner)>;
    static PdfFileChooser setPdfFileChooser(PdfFileChooser chooser);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // `toPrinter`: the chosen printer's offset moves the cards.
    void run(print::PrintService& service, int printerIndex, bool toPrinter);
    // The chosen printer's name, or the default printer's with none chosen.
    QString printerName() const;
    void retranslate();
    void makeListMenu();
    void addPrintKeys();
    void tickByStation(int column, const QString& caption, const QString& label);
    void fitContent();
    void placeContent();
    void followList(int listValue);

    session::ShownList waybills_;
    session::ShownList colours_;
    std::unique_ptr<print::PrintService> printers_;
    double scale_ = 0;
    print::PrintService* testService_ = nullptr;

    PrintRowsModel* rows_;
    PrintList* list_;
    PrintHeaderRow* header_;
    QScrollBar* scroll_;
    bool placing_ = false;
    QLabel* label1_;
    QComboBox* comboBox1_;
    QPushButton* button1_;
};

}  // namespace ui
