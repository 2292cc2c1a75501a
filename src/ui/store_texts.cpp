// The texts that store names by their Polish words in tables of its own (the lists' titles,
// the names of the import commands), marked here for the translation tools. Store turns
// them into the chosen language through the translator that ui::setLanguage installs.

#include <QtGlobal>

namespace ui {
namespace {

[[maybe_unused]] const char* const kStoreTexts[] = {
    QT_TRANSLATE_NOOP("listy", "Stacje"),         QT_TRANSLATE_NOOP("listy", "Nadawcy/odbiorcy"),
    QT_TRANSLATE_NOOP("listy", "Ładunki"),        QT_TRANSLATE_NOOP("listy", "Listy przewozowe"),
    QT_TRANSLATE_NOOP("listy", "Wagony"),         QT_TRANSLATE_NOOP("listy", "Import CSV"),
    QT_TRANSLATE_NOOP("listy", "Import arkusza"), QT_TRANSLATE_NOOP("listy", "Dołączenie bazy"),
    QT_TRANSLATE_NOOP("listy", "Relacje"),        QT_TRANSLATE_NOOP("listy", "Miejsca"),
};

}  // namespace
}  // namespace ui
