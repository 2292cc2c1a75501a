#pragma once
// MainWindow: the waybill list. The upper half shows the current waybill in six fields with
// the buttons that move through the list and edit it; the lower half is the grid of all
// waybills; the menu opens the other windows. Creating the window opens the database.

#include <QMainWindow>

#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "store/waybills.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QDialog;

namespace ui {

class DataGrid;
class PickerDialog;
class SqlBrowserWindow;

// The other windows that the menu shows, all created after the main window.
struct MenuWindows {
    QDialog* stations = nullptr;
    QDialog* loads = nullptr;
    QDialog* parties = nullptr;
    QDialog* print = nullptr;
    SqlBrowserWindow* browser = nullptr;
    PickerDialog* picker = nullptr;  // the "..." buttons' picker
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    db::SqlConnection& baza() { return baza_; }
    db::SqlQuery& sql1() { return sql1_; }
    db::SqlQuery& sqlt() { return sqlt_; }
    void setMenuWindows(const MenuWindows& windows) { windows_ = windows; }

    int editMode() const { return editMode_; }
    bool haveParties() const { return haveParties_; }
    bool haveLoads() const { return haveLoads_; }

    void showWaybill();
    void refreshLookups();

    // Navigation and grid.
    void button4Click();
    void button5Click();
    void button6Click();
    void button7Click();
    void dBGrid1CellClick();
    // Editing.
    void button1Click();  // "..." beside the shipper
    void button2Click();  // "..." beside the load
    void button3Click();  // "..." beside the receiver
    void button8Click();
    void button9Click();
    void button10Click();
    void button11Click();
    void button12Click();
    // Menu.
    void wydruklistw1Click();
    void stacje1Click();
    void nadawcyodbiorcy1Click();
    void adunki1Click();
    void przegldarka1Click();
    void nowabaza1Click();
    void kasowanielistw1Click();

protected:
    // Closing the program with a transaction open asks whether to commit it first.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void formCreate();
    void enterEditing();
    void enterBrowsing();
    void setFieldsEnabled(bool on);
    void showReferenceWindow(QDialog* window);
    void gridKeyboardMove();
    store::Waybill typedWaybill() const;

    db::SqlConnection baza_{"baza"};
    db::SqlQuery sql1_{"sql1"};
    db::SqlQuery sqlt_{"sqlt"};
    int editMode_ = 0;
    bool haveParties_ = false;
    bool haveLoads_ = false;
    bool editing_ = false;
    MenuWindows windows_;

    QGroupBox* groupBox1_ = nullptr;
    QComboBox* stn_ = nullptr;
    QLineEdit* nad_ = nullptr;
    QLineEdit* lad_ = nullptr;
    QLineEdit* rwa_ = nullptr;
    QComboBox* sto_ = nullptr;
    QLineEdit* odb_ = nullptr;
    QPushButton* buttons_[13] = {};  // Button1 .. Button12 at their numbers
    DataGrid* dBGrid1_ = nullptr;
};

}  // namespace ui
