#pragma once
// StationsWindow ("Stacje"): the stations and their FREMO colour codes. The grid lists every
// station with a swatch of its colour; "Dopisz" adds the station typed in Edit1, "Zmień"
// gives it the current colour, "Usuń" deletes it with its waybills and shippers/receivers.

#include <QDialog>
#include <QString>

#include "session/session.h"
#include "session/shown_list.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace widgets {
class ColorStringGrid;
}

namespace ui {

class Growth;

class StationsWindow : public QDialog {
    Q_OBJECT
public:
    explicit StationsWindow(session::Session& session, QWidget* parent = nullptr);
    ~StationsWindow() override;

    session::ShownList& stations() { return stations_; }
    // The colour name that "Dopisz" and "Zmień" write.
    const QString& currentColour() const { return currentColour_; }

    void retranslate();
    void fillGrid();

    void fillOnShow();
    void clearOnClose();
    void colourPicked();
    void gridMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    // Takes the station of grid row `row` into the name box and its colour into the list.
    void pickStation(int row);
    void addStation();       // "Dopisz"
    void recolourStation();  // "Zmień"
    void deleteStation();    // "Usuń"
    void closeWindow();      // "Zamknij"

    // Closing by any means (the close box, Esc, "Zamknij") runs clearOnClose().
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void colourTyped(const QString& text);
    std::string typedName() const;

    session::Session& session_;
    session::ShownList stations_;
    int listener_ = 0;
    QString currentColour_ = QStringLiteral("clwhite");
    // The cell under the pointer when a button went down, taken before the grid handles the
    // press: making a partly visible cell current scrolls the grid under the pointer.
    QPoint pressPos_{-1, -1};
    int pressCol_ = -1;
    int pressRow_ = -1;

    widgets::ColorStringGrid* grid_ = nullptr;
    QLabel* label1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLabel* label2_ = nullptr;
    QComboBox* comboBox1_ = nullptr;
    QPushButton* button1_ = nullptr;
    QPushButton* button2_ = nullptr;
    QPushButton* button3_ = nullptr;
    QPushButton* button4_ = nullptr;
    Growth* growth_ = nullptr;
};

}  // namespace ui
