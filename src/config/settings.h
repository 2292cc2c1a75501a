#pragma once
// Every setting the program remembers between runs, named in one place: the key it is stored
// under, its type, and the value it reads as while none is stored (or while what is stored is
// not of its type). Windows read and write them with read() and write() and never compose a
// key; this file's .cpp is the one place that opens QSettings.
//
// They are kept under organisation "Listy", application "Listy", in QSettings' native format
// (on Linux ~/.config/Listy/Listy.conf), under the keys the program has always used there, so
// the choices users made stay.
//
// The generator's period, the car-card window and the join offer were once written through a
// QSettings without a name. The program sets no organisation name, so Qt kept them under
// "Unknown Organization" and the executable's name: ~/.config/Unknown Organization/listy.conf.
// Those settings are marked Kept::Unnamed: read while the program's own place holds none, such
// a setting is taken from that old place once and written to the own place, where it is read
// from then on. The old place is only read, never changed.

#include <QPoint>
#include <QSize>
#include <QString>
#include <QVariant>
#include <type_traits>

namespace config {

// Where a setting was kept before this table: in the program's own place, or in the unnamed
// one (see above), from which it is moved.
enum class Kept { Own, Unnamed };

template <typename T>
struct Setting {
    QString key;  // groups separated by "/"
    T fallback;
    Kept kept = Kept::Own;
};

// --- the language -------------------------------------------------------------------------

// The code of the language chosen in the menu "Język / Sprache / Language": "pl", "de", "en".
inline const Setting<QString> kLanguage{QStringLiteral("jezyk"), QStringLiteral("pl")};

// --- the print options ("Opcje wydruku…") ---------------------------------------------------
// The names are the command line's (print::orderName, presetName, paperName); an empty or
// unknown name reads as the plain run's choice.

inline const Setting<int> kPrintFirstSlot{QStringLiteral("wydruk/pierwszePole"), 1};
inline const Setting<QString> kPrintOrder{QStringLiteral("wydruk/kolejnosc"), QString()};
inline const Setting<bool> kPrintReturnCards{QStringLiteral("wydruk/kartyZwrotne"), false};
inline const Setting<bool> kPrintLetterCodes{QStringLiteral("wydruk/kodyLiterowe"), false};
inline const Setting<bool> kPrintTonerSaver{QStringLiteral("wydruk/oszczednoscTonera"), false};
inline const Setting<QString> kPrintCardFormat{QStringLiteral("wydruk/format"), QString()};
inline const Setting<QString> kPrintPaper{QStringLiteral("wydruk/papier"), QString()};
// The own card size in millimetres, kept while the format is "wlasny" (0: none kept).
inline const Setting<double> kPrintCustomWidth{QStringLiteral("wydruk/wlasnyFormat/szerokosc"),
                                               0.0};
inline const Setting<double> kPrintCustomHeight{QStringLiteral("wydruk/wlasnyFormat/wysokosc"),
                                                0.0};
inline const Setting<bool> kPrintCustomLandscape{QStringLiteral("wydruk/wlasnyFormat/poziomo"),
                                                 false};
inline const Setting<bool> kPrintFold{QStringLiteral("wydruk/skladany"), false};

// Where the printer named `printer` ("" the default printer) puts the page against where it
// should, in tenths of a millimetre right (X) and down (Y). The group is the printer's name as
// UTF-8, percent-encoded, so no character of a name is one QSettings treats specially:
// "drukarki/<name>/przesuniecieX".
Setting<int> printerOffsetX(const QString& printer);
Setting<int> printerOffsetY(const QString& printer);

// --- the car cards ("Karty wagonów") --------------------------------------------------------
// The window's lists by position: format, sheet and the waybill's pocket; the own size in mm.

inline const Setting<int> kCarCardFormat{QStringLiteral("kartyWagonow/format"), 0, Kept::Unnamed};
inline const Setting<int> kCarCardPaper{QStringLiteral("kartyWagonow/arkusz"), 0, Kept::Unnamed};
inline const Setting<int> kCarCardPocket{QStringLiteral("kartyWagonow/kieszen"), 0, Kept::Unnamed};
inline const Setting<double> kCarCardWidth{QStringLiteral("kartyWagonow/szerokosc"), 105.0,
                                           Kept::Unnamed};
inline const Setting<double> kCarCardHeight{QStringLiteral("kartyWagonow/wysokosc"), 148.0,
                                            Kept::Unnamed};

// --- the generator ("Generuj listy…") -------------------------------------------------------
// The period: weeks, or operating days when kGeneratorByDays.

inline const Setting<int> kGeneratorWeeks{QStringLiteral("generator/tygodnie"), 1, Kept::Unnamed};
inline const Setting<int> kGeneratorDays{QStringLiteral("generator/dni"), 1, Kept::Unnamed};
inline const Setting<bool> kGeneratorByDays{QStringLiteral("generator/wgDni"), false,
                                            Kept::Unnamed};

// --- the menu "Edycja" ----------------------------------------------------------------------

// "Po imporcie proponuj połączenie duplikatów".
inline const Setting<bool> kOfferJoinAfterImport{QStringLiteral("edycja/duplikatyPoImporcie"),
                                                 false, Kept::Unnamed};

// --- the windows' places ----------------------------------------------------------------------

// Where the window named `window` ("glowne", "stacje", "wydruk"…) was last shown:
// "okna/<window>/pozycja" and "okna/<window>/rozmiar".
Setting<QPoint> windowPosition(const QString& window);
Setting<QSize> windowSize(const QString& window);

// --- reading and writing ----------------------------------------------------------------------

namespace detail {
// What is stored under `key` in the own place (first moved there from the unnamed one for
// Kept::Unnamed); an invalid QVariant when nothing is.
QVariant stored(const QString& key, Kept kept);
void store(const QString& key, const QVariant& value);
}  // namespace detail

// The setting's value: its fallback while none is stored or what is stored is not a T.
template <typename T>
T read(const Setting<T>& setting) {
    QVariant value = detail::stored(setting.key, setting.kept);
    if (!value.isValid() || !value.convert(QMetaType::fromType<T>())) return setting.fallback;
    return value.value<T>();
}

// Whether a value of the setting is stored (of its type or not).
template <typename T>
bool isStored(const Setting<T>& setting) {
    return detail::stored(setting.key, setting.kept).isValid();
}

template <typename T>
void write(const Setting<T>& setting, const std::type_identity_t<T>& value) {
    detail::store(setting.key, QVariant::fromValue(value));
}

}  // namespace config
