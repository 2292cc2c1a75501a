#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace ui {
namespace {
Dialogs* g_installed = nullptr;
}

void Dialogs::inform(QWidget* owner, const QString& text) {
    message(owner, QCoreApplication::translate("ui::Dialogs", "Informacja"), text);
}

void Dialogs::error(QWidget* owner, const QString& text) {
    message(owner, QCoreApplication::translate("ui::Dialogs", "BŁĄD"), text);
}

Dialogs& Dialogs::instance() {
    static MessageBoxDialogs real;
    return g_installed ? *g_installed : real;
}

void Dialogs::install(Dialogs* dialogs) {
    g_installed = dialogs;
}

bool MessageBoxDialogs::ask(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
    return box.exec() == QMessageBox::Yes;
}

Answer MessageBoxDialogs::askOrCancel(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) return Answer::Yes;
    if (answer == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
}

void MessageBoxDialogs::message(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

void MessageBoxDialogs::standardError(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Critical, applicationTitle(), standardErrorText(text),
                    QMessageBox::Ok, owner);
    box.exec();
}

namespace {

void polishButtons(QInputDialog& dialog) {
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("ui::Dialogs", "Anuluj"));
}

}  // namespace

int MessageBoxDialogs::choose(QWidget* owner, const QString& caption, const QString& label,
                              const QStringList& items) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    polishButtons(dialog);
    if (dialog.exec() != QDialog::Accepted) return -1;
    return static_cast<int>(items.indexOf(dialog.textValue()));
}

std::optional<int> MessageBoxDialogs::askNumber(QWidget* owner, const QString& caption,
                                                const QString& label, int value, int minimum,
                                                int maximum) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(minimum, maximum);
    dialog.setIntValue(value);
    polishButtons(dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.intValue();
}

std::optional<QString> MessageBoxDialogs::askText(QWidget* owner, const QString& caption,
                                                  const QString& label, const QString& value) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(value);
    polishButtons(dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

QString applicationTitle() {
    const QStringList args = QCoreApplication::arguments();
    return applicationTitle(args.isEmpty() ? QStringLiteral("listy") : args.first());
}

QString applicationTitle(const QString& programPath) {
    QString name = QFileInfo(programPath).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0) name.truncate(dot);
    if (name.isEmpty()) return name;
    return name.left(1) + name.mid(1).toLower();
}

QString standardErrorText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.') return message + QLatin1Char('.');
    return message;
}

}  // namespace ui
