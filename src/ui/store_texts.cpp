// The texts that store names by their Polish words in tables of its own (the lists' titles,
// the names of the import commands), marked here for the translation tools. Store turns
// them into the chosen language through the translator that ui::setLanguage installs.

#include <QtGlobal>

namespace ui {
namespace {

[[maybe_unused]] const char* const kStoreTexts[] = {
    QT_TRANSLATE_NOOP("store", "Stacje"),         QT_TRANSLATE_NOOP("store", "Nadawcy/odbiorcy"),
    QT_TRANSLATE_NOOP("store", "Ładunki"),        QT_TRANSLATE_NOOP("store", "Listy przewozowe"),
    QT_TRANSLATE_NOOP("store", "Wagony"),         QT_TRANSLATE_NOOP("store", "Import CSV"),
    QT_TRANSLATE_NOOP("store", "Import arkusza"), QT_TRANSLATE_NOOP("store", "Dołączenie bazy"),
    QT_TRANSLATE_NOOP("store", "Relacje"),        QT_TRANSLATE_NOOP("store", "Miejsca"),
};

}  // namespace
}  // namespace ui
