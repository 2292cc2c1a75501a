#include "print/print_options.h"

#include <charconv>
#include <optional>

namespace print {
namespace {

constexpr struct {
    CardOrder order;
    const char* name;
} kOrders[] = {{CardOrder::Listed, "listed"},
               {CardOrder::BySending, "sending"},
               {CardOrder::ByReceiving, "receiving"}};

int slotFrom(const std::string& text) {
    int slot = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, slot);
    if (text.empty() || error != std::errc() || stop != end || slot < PrintOptions::kFirstSlotMin ||
        slot > PrintOptions::kFirstSlotMax) {
        throw PrintOptionsError("--first-slot: pierwsze pole to liczba od 1 do 16, a nie '" + text +
                                "'");
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
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const std::size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        std::optional<std::string> value;
        if (eq != std::string::npos) value = arg.substr(eq + 1);
        // The value of an option that takes one: after "=", or the next argument.
        auto valueOf = [&]() -> std::string {
            if (value) return *value;
            if (i + 1 >= args.size()) throw PrintOptionsError(name + ": brak wartości");
            return args[++i];
        };
        auto noValue = [&] {
            if (value) throw PrintOptionsError(name + ": ta opcja nie przyjmuje wartości");
        };
        if (name == "--first-slot") {
            options.firstSlot = slotFrom(valueOf());
        } else if (name == "--order") {
            const std::string text = valueOf();
            if (!orderFromName(text, options.order)) {
                throw PrintOptionsError(
                    "--order: kolejność to listed, sending albo receiving, a nie '" + text + "'");
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
    args = std::move(rest);
    return options;
}

const char* printOptionsHelp() {
    return "  --first-slot N        pierwsza karta w polu N (1-16) pierwszego arkusza\n"
           "  --order KOLEJNOŚĆ     listed (jak na liście), sending (wg stacji nadania),\n"
           "                        receiving (wg stacji odbioru)\n"
           "  --return-cards        karta zwrotna próżnego wagonu po każdej kopii\n"
           "  --letter-codes        kody literowe kolorów na pasach stacji\n"
           "  --toner-saver         bez szarego tła kart, z wyraźną linią cięcia\n";
}

}  // namespace print
