#pragma once
// The search in the waybill list (Ctrl+F, "Szukaj…"): a small window beside the main
// window with a text, "Następny" and "Poprzedni". The text is matched, without regard to
// case (Polish letters included), as a part of any of a waybill's six fields; the search
// goes on from the current waybill and wraps around at either end. The waybill found
// becomes the list's current row and `shown` runs (the main window shows it in its fields,
// as after a click in the grid).

#include <QDialog>
#include <functional>

namespace session {
class ShownList;
}

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class FindDialog : public QDialog {
    Q_OBJECT
public:
    FindDialog(session::ShownList& list, std::function<void()> shown, QWidget* parent = nullptr);

    // Search forwards or backwards from the current row; true when a waybill was found.
    bool findNext();
    bool findPrevious();

    QLineEdit* textBox() const { return text_; }
    QString status() const;

private:
    bool find(int step);

    session::ShownList& list_;
    std::function<void()> shown_;
    QLineEdit* text_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* previous_ = nullptr;
    QLabel* status_ = nullptr;
};

// The row of `list` after (`step` 1) or before (-1) `from`, wrapping around, whose
// six waybill fields hold `text` as a part, compared without regard to case; -1 when none.
// `wrapped` tells whether the search passed the end of the list.
int findWaybillRow(const session::ShownList& list, const QString& text, int from, int step,
                   bool& wrapped);

}  // namespace ui
