#include "print/print_options.h"

#include <QCoreApplication>

#include <charconv>
#include <optional>

namespace print {
namespace {

// `polish` (a text of context "print::PrintOptions") in the chosen language, with %1, %2…
// replaced by `args` in one pass (an argument's own "%2" stays as typed).
std::string said(const char* polish, std::initializer_list<std::string> args) {
    const QString text = QCoreApplication::translate("print::PrintOptions", polish);
    std::vector<QString> a;
    for (const std::string& s : args) a.push_back(QString::fromStdString(s));
    if (a.size() == 1) return text.arg(a[0]).toStdString();
    if (a.size() == 2) return text.arg(a[0], a[1]).toStdString();
    return text.toStdString();
}

}  // namespace
namespace {

constexpr struct {
    CardOrder order;
    const char* name;
} kOrders[] = {{CardOrder::Listed, "listed"},
               {CardOrder::BySending, "sending"},
               {CardOrder::ByReceiving, "receiving"}};

// The slot of `text`, 0 when it is no slot of a sheet of `count`.
int slotFrom(const std::string& text, int count) {
    int slot = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, slot);
    if (text.empty() || error != std::errc() || stop != end || slot < PrintOptions::kFirstSlotMin ||
        slot > count) {
        return 0;
    }
    return slot;
}

}  // namespace

std::string orderName(CardOrder order) {
    for (const auto& o : kOrders) {
        if (o.order == order) return o.name;
    }
    return kOrders[0].name;
}

bool orderFromName(const std::string& name, CardOrder& order) {
    for (const auto& o : kOrders) {
        if (name == o.name) {
            order = o.order;
            return true;
        }
    }
    return false;
}

PrintOptions takePrintOptions(std::vector<std::string>& args) {
    PrintOptions options;
    std::vector<std::string> rest;
    std::optional<std::string> slot;
    CardPreset preset = CardPreset::Listy;
    Paper paper = Paper::A4;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const std::size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        std::optional<std::string> value;
        if (eq != std::string::npos) value = arg.substr(eq + 1);
        // The value of an option that takes one: after "=", or the next argument.
        auto valueOf = [&]() -> std::string {
            if (value) return *value;
            if (i + 1 >= args.size())
                throw PrintOptionsError(
                    said(QT_TRANSLATE_NOOP("print::PrintOptions", "%1: brak wartości"), {name}));
            return args[++i];
        };
        auto noValue = [&] {
            if (value) {
                throw PrintOptionsError(said(
                    QT_TRANSLATE_NOOP("print::PrintOptions", "%1: ta opcja nie przyjmuje wartości"),
                    {name}));
            }
        };
        if (name == "--first-slot") {
            slot = valueOf();
        } else if (name == "--card-format") {
            const std::string text = valueOf();
            if (!presetFromName(text, preset) || preset == CardPreset::Custom) {
                throw PrintOptionsError(said(QT_TRANSLATE_NOOP("print::PrintOptions",
                                                               "--card-format: format to listy, "
                                                               "h0-europa, fremo87, wizytowki albo "
                                                               "n-re, a nie '%1'"),
                                             {text}));
            }
        } else if (name == "--paper") {
            const std::string text = valueOf();
            if (!paperFromName(text, paper)) {
                throw PrintOptionsError(
                    said(QT_TRANSLATE_NOOP("print::PrintOptions",
                                           "--paper: papier to a4 albo letter, a nie '%1'"),
                         {text}));
            }
        } else if (name == "--fold") {
            noValue();
            options.fold = true;
        } else if (name == "--order") {
            const std::string text = valueOf();
            if (!orderFromName(text, options.order)) {
                throw PrintOptionsError(
                    said(QT_TRANSLATE_NOOP("print::PrintOptions",
                                           "--order: kolejność to listed, sending albo receiving, "
                                           "a nie '%1'"),
                         {text}));
            }
        } else if (name == "--return-cards") {
            noValue();
            options.returnCards = true;
        } else if (name == "--letter-codes") {
            noValue();
            options.letterCodes = true;
        } else if (name == "--toner-saver") {
            noValue();
            options.tonerSaver = true;
        } else {
            rest.push_back(arg);
        }
    }
    options.format = cardFormat(preset, paper);
    if (slot) {
        const int count = options.slotsPerSheet();
        options.firstSlot = slotFrom(*slot, count);
        if (options.firstSlot == 0) {
            throw PrintOptionsError(
                said(QT_TRANSLATE_NOOP("print::PrintOptions",
                                       "--first-slot: pierwsze pole to liczba od 1 do %1, a nie "
                                       "'%2'"),
                     {std::to_string(count), *slot}));
        }
    }
    args = std::move(rest);
    return options;
}

std::string printOptionsHelp() {
    return said(
        QT_TRANSLATE_NOOP(
            "print::PrintOptions",
            "  --card-format NAZWA   format kart: listy (45×65, domyślny), h0-europa (90×45),\n"
            "                        fremo87 (90×57), wizytowki (85×54), n-re (66×42)\n"
            "  --paper PAPIER        a4 (domyślny) albo letter\n"
            "  --fold                list składany: na odwrocie karta zwrotna próżnego wagonu\n"
            "  --first-slot N        pierwsza karta w polu N pierwszego arkusza (1-16 przy\n"
            "                        kartach listy, ile pól ma arkusz przy innych formatach)\n"
            "  --order KOLEJNOŚĆ     listed (jak na liście), sending (wg stacji nadania),\n"
            "                        receiving (wg stacji odbioru)\n"
            "  --return-cards        karta zwrotna próżnego wagonu po każdej kopii\n"
            "  --letter-codes        kody literowe kolorów na pasach stacji\n"
            "  --toner-saver         bez szarego tła kart, z wyraźną linią cięcia\n"),
        {});
}

}  // namespace print
