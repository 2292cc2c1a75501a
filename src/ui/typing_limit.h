#pragma once
// A limit on what the user types or pastes into a box, counted in characters. Text that the
// program puts into the box is never cut; an edit that would grow the text past the limit
// keeps only as much of the inserted text as fits.

class QComboBox;
class QLineEdit;

namespace ui {

void limitTyping(QLineEdit* edit, int maxChars);
// Also makes the combo box's typed text never become an item.
void limitTyping(QComboBox* combo, int maxChars);

}  // namespace ui
