#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <array>
#include <memory>

#include "config/language.h"
#include "print/car_cards.h"
#include "print/print_options.h"
#include "session/session.h"

#ifndef LISTY_VERSION
#define LISTY_VERSION "0.1"
#endif

namespace cli {
namespace {

struct OptionText {
    const char* names;
    const char* value;
    const char* description;
};

const OptionText kOptions[] = {
    {"-h, --help", "", QT_TRANSLATE_NOOP("cli::CommandLine", "Wypisuje ten opis i kończy pracę.")},
    {"-v, --version", "",
     QT_TRANSLATE_NOOP("cli::CommandLine", "Wypisuje nazwę i wersję programu i kończy pracę.")},
    {"--database", QT_TRANSLATE_NOOP("cli::CommandLine", "PLIK"),
     QT_TRANSLATE_NOOP("cli::CommandLine",
                       "Używa bazy PLIK zamiast ./listy.sdb (każda operacja na plikach, także "
                       "kopie w katalogu kopie/, dotyczy wtedy tego pliku i jego katalogu). Plik, "
                       "którego nie ma, zostaje założony z pustą bazą.")},
    {"--export-csv", QT_TRANSLATE_NOOP("cli::CommandLine", "KATALOG"),
     QT_TRANSLATE_NOOP(
         "cli::CommandLine",
         "Zapisuje cztery listy do plików listy.csv, stacje.csv, punkty.csv "
         "i ladunki.csv w KATALOGU (UTF-8, separator \";\"), a gdy baza ma listę wagonów, także "
         "wagony.csv.")},
    {"--export-xlsx", QT_TRANSLATE_NOOP("cli::CommandLine", "PLIK"),
     QT_TRANSLATE_NOOP("cli::CommandLine",
                       "Zapisuje wszystkie listy do jednego skoroszytu .xlsx, po arkuszu na listę "
                       "(każda komórka jako tekst).")},
    {"--import", QT_TRANSLATE_NOOP("cli::CommandLine", "PLIK…"),
     QT_TRANSLATE_NOOP("cli::CommandLine",
                       "Dodaje do bazy wiersze z podanych plików CSV i skoroszytów .xlsx i .ods "
                       "(lista rozpoznawana po wierszu nagłówka, pliki w dowolnej kolejności). "
                       "Przed zapisem powstaje kopia bazy w katalogu kopie/.")},
    {"--import-csv", QT_TRANSLATE_NOOP("cli::CommandLine", "PLIK…"),
     QT_TRANSLATE_NOOP("cli::CommandLine", "To samo co --import.")},
    {"--encoding", QT_TRANSLATE_NOOP("cli::CommandLine", "NAZWA"),
     QT_TRANSLATE_NOOP("cli::CommandLine",
                       "Kodowanie plików CSV, które nie są zapisane w UTF-8: utf-8, windows-1250, "
                       "windows-1252, iso-8859-2 albo iso-8859-1. Bez tej opcji taki plik jest "
                       "odrzucany, a komunikat podaje najbardziej prawdopodobne kodowania.")},
    {"--merge", QT_TRANSLATE_NOOP("cli::CommandLine", "PLIK"),
     QT_TRANSLATE_NOOP(
         "cli::CommandLine",
         "Dołącza do bazy listy z innego pliku programu Listy (jak „Dołącz bazę…”: te same "
         "reguły duplikatów, jedna transakcja). Przed zapisem powstaje kopia bazy w katalogu "
         "kopie/.")},
    {"--print-pdf", QT_TRANSLATE_NOOP("cli::CommandLine", "PLIK"),
     QT_TRANSLATE_NOOP("cli::CommandLine",
                       "Drukuje wszystkie listy przewozowe jako karty do pliku PDF.")},
    {"--copies", QT_TRANSLATE_NOOP("cli::CommandLine", "N"),
     QT_TRANSLATE_NOOP("cli::CommandLine",
                       "Liczba kopii każdego listu dla --print-pdf albo każdej karty wagonu dla "
                       "--print-car-cards (domyślnie 1).")},
    {"--print-car-cards", QT_TRANSLATE_NOOP("cli::CommandLine", "PLIK"),
     QT_TRANSLATE_NOOP(
         "cli::CommandLine",
         "Drukuje karty wszystkich wagonów z listy wagonów do pliku PDF, w kolorach kart "
         "zapisanych w bazie.")},
    {"--car-card-format", QT_TRANSLATE_NOOP("cli::CommandLine", "NAZWA"),
     QT_TRANSLATE_NOOP(
         "cli::CommandLine",
         "Format kart wagonów dla --print-car-cards: a6 (Wagenkarte A6, domyślny), fremo87, "
         "n-re.")},
    {"--car-paper", QT_TRANSLATE_NOOP("cli::CommandLine", "a4|letter|a6"),
     QT_TRANSLATE_NOOP(
         "cli::CommandLine",
         "Arkusz dla --print-car-cards (domyślnie a4; karta A6: cztery na A4 bez odstępów, "
         "jedna na arkusz A6).")},
    {"--language", "pl|de|en",
     QT_TRANSLATE_NOOP("cli::CommandLine",
                       "Język programu w tym uruchomieniu (okna, komunikaty, karty): pl (polski), "
                       "de (niemiecki), en (angielski). Bez tej opcji język wybrany w menu "
                       "„Język / Sprache / Language”, a gdy nie wybrano żadnego, polski.")},
    {"--pocket", QT_TRANSLATE_NOOP("cli::CommandLine", "NAZWA"),
     QT_TRANSLATE_NOOP(
         "cli::CommandLine",
         "Kieszeń karty wagonu dopasowana do kart listów formatu NAZWA (listy, h0-europa, "
         "fremo87, wizytowki, n-re); bez niej kieszeń własna formatu.")},
    {"--generate", QT_TRANSLATE_NOOP("cli::CommandLine", "TYGODNIE"),
     QT_TRANSLATE_NOOP(
         "cli::CommandLine",
         "Tworzy listy przewozowe z relacji (menu Ruch → Relacje…) na TYGODNIE tygodni (1–520): "
         "z każdej relacji tyle listów, ile wagonów na tydzień razy tygodnie, w kolejności "
         "wylosowanej, jak „Generuj listy…”. Przed zapisem powstaje kopia bazy w katalogu kopie/; "
         "na koniec podsumowanie dla każdej stacji.")},
    {"--days", QT_TRANSLATE_NOOP("cli::CommandLine", "N"),
     QT_TRANSLATE_NOOP(
         "cli::CommandLine",
         "Z --generate: listy na N dni ruchu (1–3640) zamiast tygodni; dzień to siódma część "
         "tygodnia, a ułamki zaokrągla metoda największych reszt, tak by suma była dokładna.")},
    {"--seed", QT_TRANSLATE_NOOP("cli::CommandLine", "N"),
     QT_TRANSLATE_NOOP(
         "cli::CommandLine",
         "Z --generate: ziarno losowania kolejności (liczba całkowita 0–18446744073709551615); to "
         "samo ziarno na tej samej bazie daje te same listy w tej samej kolejności. Bez tej opcji "
         "ziarno jest losowe i zostaje wypisane.")},
    {"--station", QT_TRANSLATE_NOOP("cli::CommandLine", "NAZWA"),
     QT_TRANSLATE_NOOP("cli::CommandLine",
                       "Z --generate: tylko relacje nadawane na stacji NAZWA albo do niej "
                       "odbierane; można podać kilka razy.")},
};

std::string utf8(const QString& s) {
    return s.toStdString();
}

}  // namespace

files::DatabaseLocation CommandLine::location() const {
    if (database.isEmpty()) return {};
    return files::DatabaseLocation::file(QDir::toNativeSeparators(database).toStdString());
}

QString versionText() {
    return QStringLiteral("listy %1").arg(QStringLiteral(LISTY_VERSION));
}

QString helpText() {
    QString text = QCoreApplication::translate(
        "cli::CommandLine",
        "Użycie: listy [opcje]\n"
        "Listy przewozowe: wagonowe listy przewozowe na sesje ruchowe FREMO.\n"
        "Bez poleceń otwiera okno programu. Polecenia --export-csv, --export-xlsx, --import,\n"
        "--merge, --generate, --print-pdf i --print-car-cards działają bez okna i bez ekranu;\n"
        "kończą się "
        "stanem 0, a przy błędzie\n"
        "komunikatem na standardowym wyjściu błędów i stanem różnym od 0.\n\n"
        "Opcje:\n");
    for (const OptionText& o : kOptions) {
        QString head = QStringLiteral("  ") + QString::fromUtf8(o.names);
        if (*o.value)
            head += QStringLiteral(" ") + QCoreApplication::translate("cli::CommandLine", o.value);
        text += head + QStringLiteral("\n      ") +
                QCoreApplication::translate("cli::CommandLine", o.description) +
                QStringLiteral("\n");
    }
    text += QCoreApplication::translate(
                "cli::CommandLine",
                "\nUkład kart dla --print-pdf (bez nich: układ domyślny, nigdy wybór z okna):\n") +
            QString::fromStdString(print::printOptionsHelp());
    text += QCoreApplication::translate(
        "cli::CommandLine",
        "\nPrzykłady:\n"
        "  listy --database spotkanie.sdb --export-csv wymiana\n"
        "  listy --database spotkanie.sdb --import-csv wymiana/*.csv\n"
        "  listy --database spotkanie.sdb --import plan.xlsx --encoding windows-1252 dk.csv\n"
        "  listy --database spotkanie.sdb --merge modul-kowalskiego.sdb\n"
        "  listy --print-pdf karty.pdf --copies 2\n"
        "  listy --print-pdf karty.pdf --order sending --first-slot 5 --letter-codes\n"
        "  listy --print-pdf karty.pdf --card-format h0-europa --paper letter --fold\n"
        "  listy --print-car-cards wagony.pdf --car-card-format a6 --car-paper a4\n"
        "  listy --generate 1 --seed 42 --station Gliwice --print-pdf stos.pdf\n");
    return text;
}

namespace {

// --car-card-format, --car-paper and --pocket, only with --print-car-cards.
template <typename Single>
bool carCardOptions(const QCommandLineParser& parser, const std::array<QCommandLineOption, 3>& o,
                    Single& single, CommandLine& line, QString& error) {
    const bool any = parser.isSet(o[0]) || parser.isSet(o[1]) || parser.isSet(o[2]);
    if (any && line.printCarCards.isEmpty()) {
        error = QCoreApplication::translate(
            "cli::CommandLine",
            "opcje --car-card-format, --car-paper i --pocket działają tylko razem z "
            "--print-car-cards");
        return false;
    }
    QString format, paper, pocket;
    if (!single(o[0], format) || !single(o[1], paper) || !single(o[2], pocket)) return false;
    print::CarCardPreset preset = print::CarCardPreset::A6;
    if (!format.isEmpty() && (!print::carPresetFromName(utf8(format), preset) ||
                              preset == print::CarCardPreset::Custom)) {
        error =
            QCoreApplication::translate(
                "cli::CommandLine", "--car-card-format: nieznany format „%1” (a6, fremo87, n-re)")
                .arg(format);
        return false;
    }
    print::Paper sheet = print::Paper::A4;
    if (!paper.isEmpty() && !print::carPaperFromName(utf8(paper), sheet)) {
        error = QCoreApplication::translate("cli::CommandLine",
                                            "--car-paper: nieznany arkusz „%1” (a4, letter, a6)")
                    .arg(paper);
        return false;
    }
    line.carCards = print::carCardFormat(preset, sheet);
    if (line.carCards.cardsPerSheet() == 0) {
        error = QCoreApplication::translate("cli::CommandLine",
                                            "--car-paper: karta %1 nie mieści się na arkuszu %2")
                    .arg(QString::fromUtf8(print::carPresetLabel(preset)),
                         QString::fromUtf8(print::paperLabel(sheet)));
        return false;
    }
    if (!pocket.isEmpty()) {
        print::CardPreset waybill;
        if (!print::presetFromName(utf8(pocket), waybill) || waybill == print::CardPreset::Custom) {
            error = QCoreApplication::translate("cli::CommandLine",
                                                "--pocket: nieznany format kart listów „%1”")
                        .arg(pocket);
            return false;
        }
        if (!print::fitPocket(line.carCards, print::cardFormat(waybill))) {
            error =
                QCoreApplication::translate(
                    "cli::CommandLine", "--pocket: karta listu %1 nie mieści się na karcie wagonu")
                    .arg(QString::fromUtf8(print::presetLabel(waybill)));
            return false;
        }
    }
    return true;
}

// --generate WEEKS with --days, --seed and --station, which go only with it.
template <typename Single>
bool generatorOptions(const QCommandLineParser& parser, const std::array<QCommandLineOption, 4>& o,
                      Single& single, CommandLine& line, QString& error) {
    QString weeks, days, seed;
    if (!single(o[0], weeks) || !single(o[1], days) || !single(o[2], seed)) return false;
    line.generateStations = parser.values(o[3]);
    if (weeks.isEmpty()) {
        if (!days.isEmpty() || !seed.isEmpty() || !line.generateStations.isEmpty()) {
            error = QCoreApplication::translate(
                "cli::CommandLine",
                "opcje --days, --seed i --station działają tylko razem z --generate");
            return false;
        }
        return true;
    }
    auto number = [&](const QString& text, const char* name, int low, int high, int& into) {
        bool ok = false;
        into = text.toInt(&ok);
        if (ok && into >= low && into <= high) return true;
        error = QCoreApplication::translate(
                    "cli::CommandLine", "--%1: liczba musi być całkowita od %2 do %3, a jest „%4”")
                    .arg(QLatin1String(name))
                    .arg(low)
                    .arg(high)
                    .arg(text);
        return false;
    };
    if (!number(weeks, "generate", 1, 520, line.generateWeeks)) return false;
    if (!days.isEmpty() && !number(days, "days", 1, 3640, line.generateDays)) return false;
    if (!seed.isEmpty()) {
        bool ok = false;
        const qulonglong value = seed.toULongLong(&ok);
        if (!ok) {
            error = QCoreApplication::translate(
                        "cli::CommandLine",
                        "--seed: ziarno musi być liczbą całkowitą nieujemną, a jest „%1”")
                        .arg(seed);
            return false;
        }
        line.seed = value;
    }
    for (const QString& s : line.generateStations) {
        if (s.isEmpty()) {
            error = QCoreApplication::translate("cli::CommandLine",
                                                "opcja --station wymaga niepustej wartości");
            return false;
        }
    }
    return true;
}

}  // namespace

bool parseCommandLine(const QStringList& givenArguments, CommandLine& line, QString& error) {
    // The print layout's flags first (they are print's own); the rest goes to the parser.
    std::vector<std::string> others;
    for (qsizetype i = 1; i < givenArguments.size(); ++i)
        others.push_back(givenArguments[i].toStdString());
    const std::size_t before = others.size();
    print::PrintOptions printOptions;
    try {
        printOptions = print::takePrintOptions(others);
    } catch (const print::PrintOptionsError& e) {
        error = QString::fromUtf8(e.what());
        return false;
    }
    const bool anyPrintOption = others.size() != before;
    QStringList arguments;
    if (!givenArguments.isEmpty()) arguments << givenArguments.first();
    for (const std::string& a : others) arguments << QString::fromStdString(a);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption database(QStringLiteral("database"), QString(),
                                      QStringLiteral("PLIK"));
    const QCommandLineOption exportCsv(QStringLiteral("export-csv"), QString(),
                                       QStringLiteral("KATALOG"));
    const QCommandLineOption importCsv(QStringLiteral("import-csv"), QString(),
                                       QStringLiteral("PLIK"));
    const QCommandLineOption importAny(QStringLiteral("import"), QString(), QStringLiteral("PLIK"));
    const QCommandLineOption exportXlsx(QStringLiteral("export-xlsx"), QString(),
                                        QStringLiteral("PLIK"));
    const QCommandLineOption encoding(QStringLiteral("encoding"), QString(),
                                      QStringLiteral("NAZWA"));
    const QCommandLineOption merge(QStringLiteral("merge"), QString(), QStringLiteral("PLIK"));
    const QCommandLineOption printPdf(QStringLiteral("print-pdf"), QString(),
                                      QStringLiteral("PLIK"));
    const QCommandLineOption copies(QStringLiteral("copies"), QString(), QStringLiteral("N"));
    const QCommandLineOption carCards(QStringLiteral("print-car-cards"), QString(),
                                      QStringLiteral("PLIK"));
    const QCommandLineOption carFormat(QStringLiteral("car-card-format"), QString(),
                                       QStringLiteral("NAZWA"));
    const QCommandLineOption carPaper(QStringLiteral("car-paper"), QString(),
                                      QStringLiteral("PAPIER"));
    const QCommandLineOption pocket(QStringLiteral("pocket"), QString(), QStringLiteral("NAZWA"));
    const QCommandLineOption generate(QStringLiteral("generate"), QString(),
                                      QStringLiteral("TYGODNIE"));
    const QCommandLineOption days(QStringLiteral("days"), QString(), QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("N"));
    const QCommandLineOption station(QStringLiteral("station"), QString(), QStringLiteral("NAZWA"));
    const QCommandLineOption language(QStringLiteral("language"), QString(),
                                      QStringLiteral("JEZYK"));
    parser.addOptions({help,     version,  database, exportCsv, exportXlsx, importCsv, importAny,
                       encoding, merge,    printPdf, copies,    carCards,   carFormat, carPaper,
                       pocket,   generate, days,     seed,      station,    language});
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            error =
                QCoreApplication::translate("cli::CommandLine", "nieznana opcja: %1%2")
                    .arg(unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                         unknown.first());
        } else {
            error = QCoreApplication::translate("cli::CommandLine",
                                                "błąd w wierszu poleceń (brak wartości opcji?): %1")
                        .arg(parser.errorText());
        }
        return false;
    }
    auto single = [&](const QCommandLineOption& o, QString& into) {
        const QStringList values = parser.values(o);
        if (values.size() > 1) {
            error =
                QCoreApplication::translate("cli::CommandLine", "opcję --%1 można podać tylko raz")
                    .arg(o.names().constLast());
            return false;
        }
        into = values.isEmpty() ? QString() : values.first();
        if (!values.isEmpty() && into.isEmpty()) {
            error = QCoreApplication::translate("cli::CommandLine",
                                                "opcja --%1 wymaga niepustej wartości")
                        .arg(o.names().constLast());
            return false;
        }
        return true;
    };
    line = CommandLine();
    line.help = parser.isSet(help);
    line.version = parser.isSet(version);
    QString encodingName;
    if (!single(database, line.database) || !single(exportCsv, line.exportDir) ||
        !single(exportXlsx, line.exportXlsx) || !single(printPdf, line.printPdf) ||
        !single(encoding, encodingName) || !single(merge, line.mergeFile) ||
        !single(carCards, line.printCarCards)) {
        return false;
    }
    if (!carCardOptions(parser, {carFormat, carPaper, pocket}, single, line, error)) return false;
    if (!single(language, line.language)) return false;
    if (!line.language.isEmpty() && !config::isLanguageCode(line.language)) {
        error = QCoreApplication::translate("cli::CommandLine",
                                            "--language: nieznany język „%1” (pl, de, en)")
                    .arg(line.language);
        return false;
    }
    line.printOptions = printOptions;
    if (anyPrintOption && line.printPdf.isEmpty()) {
        error = QCoreApplication::translate(
            "cli::CommandLine",
            "opcje układu kart (--card-format, --paper, --fold, --first-slot, --order, "
            "--return-cards, --letter-codes, --toner-saver) działają tylko razem z --print-pdf");
        return false;
    }
    // Both names take every kind of file; the files of both are read as one import.
    line.importFiles = parser.values(importAny) + parser.values(importCsv);
    if (!encodingName.isEmpty()) {
        line.encoding = model::encodingFromName(encodingName.toStdString());
        if (!line.encoding) {
            error = QCoreApplication::translate("cli::CommandLine",
                                                "--encoding: nieznane kodowanie „%1” (możliwe: %2)")
                        .arg(encodingName, QString::fromStdString(model::encodingNames()));
            return false;
        }
        if (line.importFiles.isEmpty()) {
            error = QCoreApplication::translate(
                "cli::CommandLine", "--encoding działa tylko razem z --import albo --import-csv");
            return false;
        }
    }
    const QStringList rest = parser.positionalArguments();
    if (!rest.isEmpty()) {
        // A shell's *.csv after --import gives the further files as plain arguments.
        if (line.importFiles.isEmpty()) {
            error = QCoreApplication::translate("cli::CommandLine", "nieoczekiwany argument: %1")
                        .arg(rest.first());
            return false;
        }
        line.importFiles += rest;
    }
    if (parser.isSet(copies)) {
        QString text;
        if (!single(copies, text)) return false;
        bool ok = false;
        const int n = text.toInt(&ok);
        if (!ok || n < 1 || n > 1000) {
            error =
                QCoreApplication::translate(
                    "cli::CommandLine",
                    "--copies: liczba kopii musi być liczbą całkowitą od 1 do 1000, a jest „%1”")
                    .arg(text);
            return false;
        }
        if (line.printPdf.isEmpty() && line.printCarCards.isEmpty()) {
            error = QCoreApplication::translate(
                "cli::CommandLine",
                "--copies działa tylko razem z --print-pdf albo --print-car-cards");
            return false;
        }
        line.copies = n;
    }
    return generatorOptions(parser, {generate, days, seed, station}, single, line, error);
}

}  // namespace cli
