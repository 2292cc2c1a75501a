// The program in Polish, German and English: every source text has a finished German and
// English translation (found by the translation tools themselves, so a text never extracted
// is caught), every caption fits its control in every language at the designed sizes, a
// switch re-texts the open windows, and the cards printed from the command line speak the
// chosen language.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <map>

#include "config/language.h"
#include "print/car_cards.h"
#include "print/card_format.h"
#include "session/session.h"
#include "support/program.h"
#include "ui/car_cards_dialog.h"
#include "ui/data_grid.h"
#include "ui/find_dialog.h"
#include "ui/generate_dialog.h"
#include "ui/language.h"
#include "ui/print_options_dialog.h"

namespace {

void switchTo(const QString& code) {
    QVERIFY(config::setLanguage(code));
    QCoreApplication::sendPostedEvents();  // the windows are told of the change by events
}

// The width a control's caption needs, and the width it has for it.
struct Fit {
    int needed = 0;
    int room = 0;
    int overflow() const { return needed - room; }
};

QString shownText(QString text) {
    return text.replace(QRegularExpression(QStringLiteral("&(?!&)")), QString())
        .replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// The widest line of `text` as shown.
int widthOf(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : shownText(text).split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

std::optional<Fit> fitOf(QWidget* w) {
    if (!w->isVisibleTo(w->window())) return std::nullopt;
    const QFontMetrics metrics = w->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty() || label->wordWrap() || label->textFormat() == Qt::RichText)
            return std::nullopt;
        return Fit{widthOf(metrics, label->text()),
                   label->contentsRect().width() - 2 * label->margin()};
    }
    auto* button = qobject_cast<QAbstractButton*>(w);
    if (!button || button->text().isEmpty()) return std::nullopt;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool box = qobject_cast<QCheckBox*>(button) != nullptr;
    const QRect room = button->style()->subElementRect(
        box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
    return Fit{widthOf(metrics, button->text()), room.width()};
}

// Every window of the program, built as at start.
std::vector<QWidget*> persistentWindows(testing::Program& p) {
    ui::AppWindows& w = *p.windows;
    p.main().openSearch();
    return {w.main.get(),  w.stations.get(), w.loads.get(),  w.parties.get(),      w.picker.get(),
            w.print.get(), w.browser.get(),  w.wagons.get(), p.main().findDialog()};
}

// The dialogs built each time they are opened, so in the language of the moment.
std::vector<std::unique_ptr<QWidget>> dialogsOnDemand(testing::Program& p) {
    ui::AppWindows& w = *p.windows;
    std::vector<std::unique_ptr<QWidget>> out;
    out.push_back(std::make_unique<ui::PrintOptionsDialog>(w.main.get()));
    out.push_back(std::make_unique<ui::CarCardsDialog>(w.session, w.main.get()));
    out.push_back(std::make_unique<ui::CardColoursDialog>(w.session, w.main.get()));
    for (auto& d : out) d->show();
    return out;
}

// The labels, buttons and tick boxes of `windows` with the room each caption lacks.
std::map<QWidget*, Fit> fitsIn(const std::vector<QWidget*>& windows) {
    std::map<QWidget*, Fit> out;
    for (QWidget* w : windows) {
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (c->window() != w) continue;
            if (auto fit = fitOf(c)) out[c] = *fit;
        }
    }
    return out;
}

QString captionOf(QWidget* c) {
    if (auto* label = qobject_cast<QLabel*>(c)) return label->text();
    return qobject_cast<QAbstractButton*>(c)->text();
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { config::setLanguage(QStringLiteral("pl")); }
    void everyTextIsTranslated();
    void textsFitTheirControlsInEveryLanguage();
    void everyMarkedKeyOfALabelLeadsToAControl();
    void aSwitchReTextsTheOpenWindows();
    void cardsFromTheCommandLineSpeakTheChosenLanguage();
};

// lupdate reads the sources afresh into copies of the repository's files: a text that was
// never extracted comes out new and unfinished, a translation that was left undone too.
void LanguagesTest::everyTextIsTranslated() {
    const QString lupdate = qEnvironmentVariable("LISTY_LUPDATE");
    const QString source = qEnvironmentVariable("LISTY_SOURCE_DIR");
    QVERIFY2(QFileInfo(lupdate).isExecutable(), qPrintable(lupdate));
    QTemporaryDir dir;
    QStringList files;
    for (const char* lang : {"de", "en"}) {
        const QString name = QStringLiteral("listy_%1.ts").arg(QLatin1String(lang));
        QVERIFY(QFile::copy(source + QStringLiteral("/translations/") + name, dir.filePath(name)));
        QFile(dir.filePath(name)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        files << dir.filePath(name);
    }
    QProcess run;
    run.start(lupdate, QStringList{QStringLiteral("-locations"), QStringLiteral("none"),
                                   QStringLiteral("-no-obsolete"), source + QStringLiteral("/src"),
                                   QStringLiteral("-ts")} +
                           files);
    QVERIFY(run.waitForFinished(120000));
    QCOMPARE(run.exitCode(), 0);
    for (const QString& path : files) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, text;
        int messages = 0;
        QStringList untranslated;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement()) continue;
            if (xml.name() == QLatin1String("name")) context = xml.readElementText();
            if (xml.name() == QLatin1String("source")) text = xml.readElementText();
            if (xml.name() != QLatin1String("translation")) continue;
            ++messages;
            const bool unfinished =
                xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString translation = xml.readElementText();
            // The same arguments, so that no value of a message is lost in a language.
            bool argumentsAgree = true;
            for (int n = 1; n <= 9; ++n) {
                const QString arg = QStringLiteral("%%1").arg(n);
                if (text.contains(arg) != translation.contains(arg)) argumentsAgree = false;
            }
            if (unfinished || translation.isEmpty() || !argumentsAgree)
                untranslated << context + QStringLiteral(": ") + text;
        }
        QVERIFY(!xml.hasError());
        QVERIFY2(messages > 400, qPrintable(path));
        QVERIFY2(untranslated.isEmpty(),
                 qPrintable(path + QStringLiteral(":\n") + untranslated.join(QLatin1Char('\n'))));
    }
}

// At the designed sizes no German or English caption needs more room than its control has,
// beyond what the Polish one already needs; the menu bar shows every menu; and Polish comes
// back with exactly the geometry it had.
void LanguagesTest::textsFitTheirControlsInEveryLanguage() {
    testing::Program p;
    const std::vector<QWidget*> windows = persistentWindows(p);
    for (QWidget* w : windows) w->show();
    QCoreApplication::processEvents();
    std::map<QWidget*, QRect> polishPlaces;
    for (QWidget* w : windows) {
        polishPlaces[w] = w->geometry();
        for (QWidget* c : w->findChildren<QWidget*>())
            if (c->isVisibleTo(w)) polishPlaces[c] = c->geometry();
    }
    const std::map<QWidget*, Fit> polish = fitsIn(windows);
    // The dialogs built on demand: each Polish overflow by window and control name.
    std::map<QString, int> polishDialogs;
    {
        auto dialogs = dialogsOnDemand(p);
        QCoreApplication::processEvents();
        std::vector<QWidget*> shown;
        for (auto& d : dialogs) shown.push_back(d.get());
        for (const auto& [c, fit] : fitsIn(shown))
            polishDialogs[c->window()->objectName() + c->objectName() + captionOf(c)] =
                fit.overflow();
    }
    QVERIFY(polish.size() > 60);
    for (const QString& code : {QStringLiteral("de"), QStringLiteral("en")}) {
        switchTo(code);
        auto dialogs = dialogsOnDemand(p);
        QCoreApplication::processEvents();
        QStringList clipped;
        auto check = [&clipped](QWidget* c, const Fit& fit, int polishOverflow) {
            if (fit.overflow() <= std::max(0, polishOverflow)) return;
            clipped << QStringLiteral("%1/%2 „%3”: %4 px in %5 px")
                           .arg(c->window()->objectName(), c->objectName(), captionOf(c))
                           .arg(fit.needed)
                           .arg(fit.room);
        };
        for (const auto& [c, fit] : fitsIn(windows))
            check(c, fit, polish.count(c) ? polish.at(c).overflow() : 0);
        std::vector<QWidget*> shown;
        for (auto& d : dialogs) shown.push_back(d.get());
        for (const auto& [c, fit] : fitsIn(shown)) check(c, fit, 0);
        QMenuBar* bar = p.main().menuBar();
        for (QAction* menu : bar->actions()) {
            const QRect at = bar->actionGeometry(menu);
            if (at.isEmpty() || !bar->rect().contains(at)) clipped << menu->text();
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(code + QStringLiteral(":\n") + clipped.join('\n')));
        QCOMPARE(p.find<QLabel>(p.main(), "Label6")->text(),
                 code == QStringLiteral("de") ? QStringLiteral("Empfangsbahnhof")
                                              : QStringLiteral("Receiving station"));
    }
    switchTo(QStringLiteral("pl"));
    QCoreApplication::processEvents();
    for (const auto& [w, place] : polishPlaces) {
        QVERIFY2(w->geometry() == place,
                 qPrintable(QStringLiteral("%1 %2 in %3")
                                .arg(QLatin1String(w->metaObject()->className()), w->objectName(),
                                     w->window()->objectName())));
    }
}

// A label's "&" marks the key that moves to the control it names; a label that names none
// shows the "&" itself. Every window, in every language.
void LanguagesTest::everyMarkedKeyOfALabelLeadsToAControl() {
    testing::Program p;
    for (const QString& code : {QStringLiteral("pl"), QStringLiteral("de"), QStringLiteral("en")}) {
        switchTo(code);
        std::vector<QWidget*> windows = persistentWindows(p);
        windows.push_back(p.windows->relations.get());
        auto dialogs = dialogsOnDemand(p);
        dialogs.push_back(std::make_unique<ui::GenerateDialog>(p.windows->session));
        for (auto& d : dialogs) windows.push_back(d.get());
        QStringList shown;
        for (QWidget* w : windows) {
            for (QLabel* label : w->findChildren<QLabel*>()) {
                if (label->textFormat() == Qt::RichText || label->buddy()) continue;
                if (label->text().contains(QRegularExpression(QStringLiteral("&(?!&)"))))
                    shown << w->objectName() + QLatin1Char('/') + label->text();
            }
        }
        QVERIFY2(shown.isEmpty(), qPrintable(code + QStringLiteral(": ") + shown.join(", ")));
    }
}

// With the stations window open, the menu switches every text at once, also the grids'
// titles, the colour list, the menus, the messages store composes and the names of the
// history steps taken before; Polish comes back character for character.
void LanguagesTest::aSwitchReTextsTheOpenWindows() {
    testing::Program p;
    ui::MainWindow& main = p.main();
    p.windows->stations->show();
    QCoreApplication::processEvents();
    auto* colours = p.find<QComboBox>(*p.windows->stations, "ComboBox1");
    auto* grid = p.find<ui::DataGrid>(main, "DBGrid1");
    auto gridTitle = [grid] { return grid->model()->headerData(0, Qt::Horizontal).toString(); };
    auto stepName = [&p] { return QString::fromStdString(p.windows->session.undoText()); };
    p.windows->session.addStation("Adorf", "clred");
    const QString polishStep = stepName();
    QCOMPARE(polishStep, QStringLiteral("dopisanie stacji Adorf"));

    QStringList items;
    for (QAction* a : p.find<QMenu>(main, "Jezyk1")->actions()) {
        QVERIFY(a->isCheckable());
        items << a->text() + (a->isChecked() ? QStringLiteral("*") : QString());
    }
    QCOMPARE(items, QStringList({"Polski*", "Deutsch", "English"}));
    QAction* german = main.findChild<QAction*>(QStringLiteral("Jezyk_de"));
    QVERIFY(german);
    german->trigger();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(config::currentLanguage(), QStringLiteral("de"));
    QCOMPARE(config::savedLanguage(), QStringLiteral("de"));
    QVERIFY(german->isChecked());
    QCOMPARE(main.windowTitle(), QStringLiteral("Frachtzettel"));
    QCOMPARE(p.find<QMenu>(main, "Plik1")->title(), QStringLiteral("&Datei"));
    QCOMPARE(p.find<QMenu>(main, "Jezyk1")->title(), QStringLiteral("&Język / Sprache / Language"));
    QCOMPARE(p.windows->stations->windowTitle(), QStringLiteral("Bahnhöfe"));
    QCOMPARE(p.find<QPushButton>(*p.windows->stations, "Button1")->text(),
             QStringLiteral("Hinzufügen"));
    QVERIFY2(colours->itemText(1).startsWith(QStringLiteral("Rot – Osten")),
             qPrintable(colours->itemText(1)));
    QCOMPARE(gridTitle(), QStringLiteral("Ladegut"));
    QCOMPARE(stepName(), QStringLiteral("Bahnhof Adorf hinzufügen"));  // taken in Polish
    // The print layer's refusals of an own card size, composed at the moment.
    std::string why, carWhy;
    QVERIFY(!print::customCardFormat(30, 20, print::Paper::A4, false, &why));
    QVERIFY(!print::customCarCardFormat(30, 30, print::Paper::A4, &carWhy));
    QVERIFY2(QString::fromStdString(why).startsWith(QStringLiteral("Die Karte 30 × 20 mm")),
             why.c_str());
    QCOMPARE(QString::fromStdString(carWhy),
             QStringLiteral("Die Karte muss mindestens 40 × 40 mm groß sein."));
    p.windows->session.addStation("Bedorf", "clblue");
    QCOMPARE(stepName(), QStringLiteral("Bahnhof Bedorf hinzufügen"));

    main.findChild<QAction*>(QStringLiteral("Jezyk_pl"))->trigger();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(main.windowTitle(), QStringLiteral("Listy przewozowe"));
    QCOMPARE(p.find<QMenu>(main, "Plik1")->title(), QStringLiteral("&Plik"));
    QCOMPARE(p.windows->stations->windowTitle(), QStringLiteral("Stacje"));
    QCOMPARE(colours->itemText(1), QStringLiteral("Czerwony (wojsko, tabor kolejowy, wódka)"));
    QCOMPARE(gridTitle(), QStringLiteral("Ładunek"));
    QCOMPARE(stepName(), QStringLiteral("dopisanie stacji Bedorf"));  // taken in German
    p.windows->session.addStation("Cedorf", "clblue");
    QCOMPARE(stepName(), QStringLiteral("dopisanie stacji Cedorf"));
}

// `listy --language de --print-pdf` prints German captions and the return card's "Leerwagen";
// without the option the cards stay Polish.
void LanguagesTest::cardsFromTheCommandLineSpeakTheChosenLanguage() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils, scripts/install-deps --tests) missing");
    testing::WorkDir dir;
    testing::makeDatabase(dir.file(QStringLiteral("listy.sdb")),
                          QStringLiteral("insert into listy values(1,'Adorf','Meier','Gs','Kisten',"
                                         "'Huber','Bedorf');"));
    auto textOf = [&](const QStringList& options) {
        QProcess listy;
        listy.setWorkingDirectory(dir.path());
        listy.start(qEnvironmentVariable("LISTY_PROGRAM"),
                    options + QStringList{QStringLiteral("--print-pdf"), QStringLiteral("k.pdf"),
                                          QStringLiteral("--return-cards")});
        listy.waitForFinished(60000);
        QProcess text;
        text.setWorkingDirectory(dir.path());
        text.start(pdftotext, {QStringLiteral("k.pdf"), QStringLiteral("-")});
        text.waitForFinished(60000);
        return QString::fromUtf8(text.readAllStandardOutput());
    };
    const QString german = textOf({QStringLiteral("--language"), QStringLiteral("de")});
    for (const char* caption : {"Empfangsbahnhof", "Empfänger", "Ladegut", "Wagengattung",
                                "Versender", "Versandbahnhof", "Leerwagen", "Kisten"}) {
        QVERIFY2(german.contains(QString::fromUtf8(caption)), qPrintable(german));
    }
    QVERIFY(!german.contains(QStringLiteral("Stacja odbioru")));
    const QString english = textOf({QStringLiteral("--language"), QStringLiteral("en")});
    QVERIFY2(english.contains(QStringLiteral("Receiving station")) &&
                 english.contains(QStringLiteral("Empty")),
             qPrintable(english));
    const QString polish = textOf({});
    QVERIFY2(polish.contains(QStringLiteral("Stacja odbioru")) &&
                 polish.contains(QString::fromUtf8("Próżny")),
             qPrintable(polish));
}

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
