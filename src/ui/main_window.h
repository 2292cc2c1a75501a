#pragma once
// MainWindow: the waybill list. The upper half shows the current waybill in six fields with
// the buttons that move through the list and edit it; the lower half is the grid of all
// waybills; the menu opens the other windows. Creating the window opens the database.

#include <QMainWindow>
#include <utility>
#include <vector>

#include "model/waybills.h"
#include "session/session.h"
#include "session/shown_list.h"

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
class Growth;
class FindDialog;
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
    QDialog* wagons = nullptr;       // "Ruch → Wagony…"
    QDialog* relations = nullptr;    // "Ruch → Relacje…"
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // What "Zatwierdź" does: write a new waybill, write the changed one, delete the current
    // one (the question was answered Yes), or only say that nothing was deleted.
    enum class EditMode { NewWaybill, ChangeWaybill, DeleteWaybill, KeepWaybill };

    // `session` is the application's command layer; it outlives the window. A database file
    // given on the command line (--database) adds its name to the window title.
    explicit MainWindow(session::Session& session, QWidget* parent = nullptr);
    ~MainWindow() override;

    session::Session& session() { return session_; }
    session::ShownList& waybills() { return waybills_; }  // the list the grid shows
    void setMenuWindows(const MenuWindows& windows) { windows_ = windows; }

    EditMode editMode() const { return editMode_; }
    bool haveParties() const { return haveParties_; }
    bool haveLoads() const { return haveLoads_; }

    void showWaybill();
    void refreshLookups();

    // Navigation and grid.
    void showFirst();
    void showPrevious();
    void showNext();
    void showLast();
    void gridClicked();
    // Editing.
    void pickShipper();   // "..." beside the shipper
    void pickLoad();      // "..." beside the load
    void pickReceiver();  // "..." beside the receiver
    void startNewWaybill();
    void startChanging();
    void askToDelete();
    void confirmEdit();
    void cancelEdit();
    // Menu.
    void openPrintWindow();
    void openStationsWindow();
    void openPartiesWindow();
    void openLoadsWindow();
    void openWagonsWindow();  // menu "Ruch"
    void openRelationsWindow();
    void openGenerator();
    void openSqlBrowser();
    void newDatabase();
    void deleteAllWaybills();
    // Menu "Wymiana" (main_window_exchange.cpp).
    void exportCsv();
    void importCsv();
    void mergeDatabase();
    void restoreBackup();
    void openSearch();
    // Workbooks (main_window_sheets.cpp).
    void exportWorkbook();
    void importWorkbook();
    // Imports CSV files and workbooks, asking for the encoding of each CSV file that is
    // not UTF-8; nothing is imported when the user cancels that question.
    void importFiles(const QStringList& files);
    // Menu "Edycja" (main_window_edit.cpp).
    void undo();
    void redo();
    void renameName();
    void joinDuplicateNames();
    void offerDuplicates();
    void copyWaybill();
    void updateEditMenu();
    FindDialog* findDialog() const { return findDialog_; }
    const files::DatabaseLocation& location() const { return session_.location(); }

protected:
    // Closing the program with a transaction open asks whether to commit it first.
    void closeEvent(QCloseEvent* event) override;

private:
    void retranslate();
    // Room for the captions of the chosen language: a label wider than the label column
    // moves the fields right, and the window widens for that and for its menu bar.
    void fitToLanguage();
    void retranslateExchangeMenu();
    void retranslateEditMenu();
    void buildControls();
    void buildMenu();
    void addDesktopHabits();
    void buildExchangeMenu();
    void buildTrafficMenu();
    void buildEditMenu();
    // After every command: the list has been read again; the fields and look-ups follow.
    void followChanges(const session::Changes& changes);
    // True when none of `paths` exists, or the user agrees to replace those that do.
    bool mayReplace(const QStringList& paths);
    void openDatabaseAtStart();
    void enterEditing();
    void enterBrowsing();
    void setFieldsEnabled(bool on);
    void showReferenceWindow(QDialog* window);
    void gridRowMoved();
    // The six fields as a waybill; a field the user left as it was shown gives the text
    // shown whole, byte for byte.
    model::Waybill typedWaybill() const;
    // Shows the picker for `source` ("punkty" or "ladunki"), giving it `station` when not
    // null; the picker, or null when there is none.
    PickerDialog* runPicker(const QString& title, const QString& source, const QString* station);

    session::Session& session_;
    session::ShownList waybills_;
    int listener_ = 0;
    model::Waybill shown_;  // the waybill the fields were last given
    EditMode editMode_ = EditMode::NewWaybill;
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
    FindDialog* findDialog_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    Growth* growth_ = nullptr;
    std::vector<std::pair<QWidget*, QRect>> designedPlaces_;  // the group box's controls
};

}  // namespace ui
