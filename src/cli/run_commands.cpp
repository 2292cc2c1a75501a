// Running the command line's commands: import, merge, the generator, then export, then
// printing, each through the session, without a window; and the choice of the application
// a run needs.

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <algorithm>
#include <iostream>
#include <random>

#include "cli/command_line.h"
#include "config/language.h"
#include "print/car_cards.h"
#include "print/print_all.h"
#include "print/print_options.h"
#include "print/qt_print_service.h"
#include "session/old_format.h"
#include "session/session.h"
#include "session/startup.h"

namespace cli {
namespace {

std::string utf8(const QString& s) {
    return s.toStdString();
}

}  // namespace

int runCommands(const CommandLine& line, std::ostream& out, std::ostream& err) {
    session::Session session(line.location());
    session.keepHistory(false);  // one run, no undo
    const bool writes = !line.importFiles.isEmpty() || !line.mergeFile.isEmpty();
    try {
        const files::MigrationResult migration = session.convertOldFormat();
        if (migration.migrated) out << session::migrationMessage(migration) << "\n";
        const session::StartupReport report = session.open();
        if (!report.message.empty()) {
            err << "listy: " << report.message << "\n";
            if (writes) return kExitRefused;
        }
        auto written = [&](const formats::ExchangeReport& result, const char* before) {
            if (result.refused()) {
                err << "listy: " << result.summary() << "\n";
                return false;
            }
            out << result.summary() << "\n";
            if (!result.backup.empty())
                out << utf8(QCoreApplication::translate("cli::CommandLine", before))
                    << result.backup << "\n";
            return true;
        };
        if (!line.importFiles.isEmpty()) {
            std::vector<std::string> paths;
            for (const QString& f : line.importFiles)
                paths.push_back(utf8(QDir::toNativeSeparators(f)));
            std::vector<formats::ImportFile> files = session.inspectImport(paths);
            for (formats::ImportFile& file : files) {
                if (file.kind == formats::ImportFile::Kind::NeedsEncoding)
                    file.encoding = line.encoding;
            }
            const formats::ExchangeReport result = session.importFiles(files);
            if (!written(result,
                         QT_TRANSLATE_NOOP("cli::CommandLine", "Kopia bazy sprzed importu: "))) {
                if (!line.encoding && result.encodingNeeded) {
                    err << "listy: "
                        << utf8(QCoreApplication::translate(
                               "cli::CommandLine",
                               "kodowanie podaje opcja --encoding, np. --encoding windows-1252"))
                        << "\n";
                }
                return kExitRefused;
            }
        }
        if (!line.mergeFile.isEmpty()) {
            if (!written(session.merge(utf8(QDir::toNativeSeparators(line.mergeFile))),
                         QT_TRANSLATE_NOOP("cli::CommandLine", "Kopia bazy sprzed dołączenia: "))) {
                return kExitRefused;
            }
        }
        if (line.generateWeeks > 0) {
            model::GenerateOptions options;
            options.weeks = line.generateWeeks;
            options.days = line.generateDays;
            options.seed = line.seed ? *line.seed : std::random_device{}();
            const std::vector<std::string> known = session.lookups().stationNames;
            for (const QString& s : line.generateStations) {
                // A mistyped name would make an empty stack without a word.
                if (std::find(known.begin(), known.end(), utf8(s)) == known.end()) {
                    err << "listy: "
                        << utf8(QCoreApplication::translate("cli::CommandLine",
                                                            "--station: w bazie nie ma stacji „%1”")
                                    .arg(s))
                        << "\n";
                    return kExitRefused;
                }
                options.stations.push_back(utf8(s));
            }
            const model::GenerationPlan plan = session.generate(options);
            out << utf8(QCoreApplication::translate("cli::CommandLine", "Ziarno losowania: %1")
                            .arg(options.seed))
                << "\n"
                << plan.summary() << "\n";
            if (!plan.backup.empty()) {
                out << utf8(QCoreApplication::translate("cli::CommandLine",
                                                        "Kopia bazy sprzed generowania: %1")
                                .arg(QString::fromStdString(plan.backup)))
                    << "\n";
            }
        }
        if (!line.exportDir.isEmpty()) {
            for (const std::string& path : session.exportCsv(
                     utf8(QDir::toNativeSeparators(line.exportDir)), config::exchangeLanguage())) {
                out << utf8(QCoreApplication::translate("cli::CommandLine", "Zapisano %1")
                                .arg(QString::fromStdString(path)))
                    << "\n";
            }
        }
        if (!line.exportXlsx.isEmpty()) {
            const std::string path = utf8(QDir::toNativeSeparators(line.exportXlsx));
            session.exportWorkbook(path, config::exchangeLanguage());
            out << utf8(QCoreApplication::translate("cli::CommandLine", "Zapisano %1")
                            .arg(QString::fromStdString(path)))
                << "\n";
        }
        if (!line.printPdf.isEmpty()) {
            auto service = print::QtPrintService::toPdf(line.printPdf);
            print::PrintAllOptions options;
            options.copies = line.copies;
            options.layout = line.printOptions;
            const long cards = print::printAllWaybills(*service, session.connection(), options);
            out << utf8(QCoreApplication::translate("cli::CommandLine",
                                                    "Zapisano %1 kart do pliku %2")
                            .arg(cards)
                            .arg(line.printPdf))
                << "\n";
        }
        if (!line.printCarCards.isEmpty()) {
            auto service = print::QtPrintService::toPdf(line.printCarCards);
            print::CarCardOptions options;
            options.format = line.carCards;
            options.colours = session.cardColours();
            std::vector<print::CarCardRow> rows;
            for (model::Wagon& w : session.wagons()) rows.push_back({std::move(w), line.copies});
            const long cards = print::printCarCards(*service, -1, rows, options);
            out << utf8(QCoreApplication::translate("cli::CommandLine",
                                                    "Zapisano %1 kart wagonów do pliku %2")
                            .arg(cards)
                            .arg(line.printCarCards))
                << "\n";
        }
    } catch (const std::exception& e) {
        err << "listy: " << e.what() << "\n";
        return kExitRefused;
    }
    return 0;
}

namespace {

// The language of this run: --language when it is given and known, else the one chosen in
// the menu. Read before the command line is parsed, so that its own messages speak it.
QString languageOfRun(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        QString value;
        if ((a == QStringLiteral("--language") || a == QStringLiteral("-language")) &&
            i + 1 < arguments.size()) {
            value = arguments[i + 1];
        } else if (a.startsWith(QStringLiteral("--language="))) {
            value = a.mid(11);
        }
        if (config::isLanguageCode(value)) return value;
    }
    return config::savedLanguage();
}

// Parses `arguments` in the run's language and answers what needs no database: a wrong
// command line, --help and --version. Needs a QCoreApplication.
std::optional<int> answerAlone(const QStringList& arguments, CommandLine& line) {
    config::setLanguage(languageOfRun(arguments));
    QString error;
    if (!parseCommandLine(arguments, line, error)) {
        std::cerr << "listy: " << utf8(error) << "\n"
                  << utf8(QCoreApplication::translate("cli::CommandLine",
                                                      "listy --help opisuje opcje."))
                  << "\n";
        return kExitUsage;
    }
    if (line.help) {
        std::cout << utf8(helpText());
        return 0;
    }
    if (line.version) {
        std::cout << utf8(versionText()) << "\n";
        return 0;
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> runWithoutWindows(int argc, char** argv, CommandLine& line) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QString error;
    // Which kind of application the run needs; its messages come once the language is set.
    const bool parsed = parseCommandLine(arguments, line, error);
    if (!parsed || line.help || line.version) {
        QCoreApplication app(argc, argv);
        return answerAlone(arguments, line).value_or(0);
    }
    if (line.windowed()) return std::nullopt;
    // No display is needed: the cards are drawn offscreen, the rest needs no GUI at all.
    if (!line.printPdf.isEmpty() || !line.printCarCards.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        config::setLanguage(languageOfRun(arguments));
        return runCommands(line, std::cout, std::cerr);
    }
    QCoreApplication app(argc, argv);
    config::setLanguage(languageOfRun(arguments));
    return runCommands(line, std::cout, std::cerr);
}

}  // namespace cli