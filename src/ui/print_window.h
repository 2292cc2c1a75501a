#pragma once
// PrintWindow ("Wydruk"): the printer, the waybills to print and the copies of each. Every
// showing lists every waybill afresh as a PrintRow, unticked with the count "2", under a
// header row. "Drukuj" prints the ticked rows as waybill cards on the chosen printer (none
// chosen: the default printer). With no printer installed at all it asks for a PDF file
// and prints into it. The context menu of "Drukuj" offers a PDF file or a print preview
// for any selection.

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "db/sql_query.h"
#include "print/print_run.h"
#include "db/forward.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace ui {

class PrintRow;

class PrintWindow : public QDialog {
    Q_OBJECT
public:
    explicit PrintWindow(db::SqlConnection& baza, QWidget* parent = nullptr);
    ~PrintWindow() override;

    // Element 0 is the header row, elements 1..N the waybills in the query's order.
    const std::vector<std::unique_ptr<PrintRow>>& wiersze() const { return wiersze_; }
    double skala() const { return skala_; }
    db::SqlQuery& sql1() { return sql1_; }
    db::SqlQuery& sql2() { return sql2_; }

    void formCreate();
    void formShow();
    void button1Click();   // "Drukuj"
    void printToPdf();     // context menu: the cards into a PDF file asked for
    void printPreview();   // context menu: the cards in a preview window

    // Test seams. A print service set here (not owned) takes every "Drukuj" with the
    // selected index, in place of the installed printers; null restores them.
    void setPrintService(print::PrintService* service) { testService_ = service; }
    // Asks for the name of a PDF file to write; an empty name prints nothing. Returns the
    // previous chooser; null restores the file dialog.
    using PdfFileChooser = std::function<QString(QWidget* owner)>;
    static PdfFileChooser setPdfFileChooser(PdfFileChooser chooser);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<print::PrintRowData> rowData() const;
    void run(print::PrintService& service, int printerIndex);
    void fitContent();
    PrintRow* addRow(int top);

    db::SqlQuery sql1_{"sql1"};
    db::SqlQuery sql2_{"sql2"};
    std::unique_ptr<print::PrintService> drukarki_;
    double skala_ = 0;
    std::vector<std::unique_ptr<PrintRow>> wiersze_;
    print::PrintService* testService_ = nullptr;

    QScrollArea* scroll_;
    QWidget* content_;
    QLabel* label1_;
    QComboBox* comboBox1_;
    QPushButton* button1_;
};

}  // namespace ui
