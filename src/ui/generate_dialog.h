#pragma once
// GenerateDialog ("Generuj listy", menu "Ruch" and the relations window): the period in weeks
// or operating days, the stations whose relations count (none ticked: every station) and the
// seed of the stack's order. Every change plans the stack again and shows its counts and
// first rows; nothing is written until "Generuj". "Losuj ponownie" picks another seed. After
// "Generuj" the summary per station is shown and the dialog closes. The period is remembered
// in config/settings.

#include <QDialog>

#include "session/session.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace ui {

class GenerateDialog : public QDialog {
    Q_OBJECT
public:
    explicit GenerateDialog(session::Session& session, QWidget* parent = nullptr);

    // The options the controls give now (the seed as typed; an unreadable one counts as 0).
    model::GenerateOptions options() const;
    void setSeed(std::uint64_t seed);
    void reseed();       // "Losuj ponownie"
    void showPreview();  // plans and shows the counts and the first rows
    void generate();     // "Generuj"
    // The rows the preview shows at most.
    static constexpr int kPreviewRows = 20;

private:
    session::Session& session_;
    QRadioButton* byWeeks_ = nullptr;
    QRadioButton* byDays_ = nullptr;
    QSpinBox* weeks_ = nullptr;
    QSpinBox* days_ = nullptr;
    QListWidget* stations_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QLabel* counts_ = nullptr;
    QTableWidget* preview_ = nullptr;
};

}  // namespace ui
