#pragma once
// PrintOptions: how a print run lays out its cards beyond the cards themselves. Every
// default is the plain run: Listy's own cards sixteen to an A4 sheet, from the first slot of
// the first sheet, in the order of the rows, no return cards, no letter codes, the grey card
// face, no fold-over slips, no printer offset. The print window keeps
// the user's choice between runs; the command line takes them as flags and never reads the
// window's.

#include <stdexcept>
#include <string>
#include <vector>

#include "print/card_format.h"

namespace print {

enum class CardOrder {
    Listed,       // as the rows are listed
    BySending,    // grouped by sending station
    ByReceiving,  // grouped by receiving station
};

// Where a printer puts the page against where it should, corrected by moving every card:
// tenths of a millimetre to the right and down (negative: left, up).
struct PrinterOffset {
    int x = 0, y = 0;
    friend bool operator==(const PrinterOffset&, const PrinterOffset&) = default;
};

struct PrintOptions {
    static constexpr int kFirstSlotMin = 1;
    static constexpr int kFirstSlotMax = 16;  // of the default format

    // The slot of the first sheet that takes the first card, 1 to slotsPerSheet(), line by
    // line from the top-left one; the slots before it stay empty (already cut off that
    // sheet).
    int firstSlot = kFirstSlotMin;
    CardOrder order = CardOrder::Listed;
    // After each printed copy one empty-wagon return card: the stations and the parties
    // swapped, the load "Próżny", the wagon type kept.
    bool returnCards = false;
    // The first three letters of the band colour's name, in the chosen language, in the
    // corner of each coloured band.
    bool letterCodes = false;
    // No grey card face, and a clear cutting line around each card.
    bool tonerSaver = false;
    // The cards' size and their place on the sheet.
    CardFormat format;
    // Each copy as one slip of two cards' size, the waybill on one half and its return card
    // on the other, to fold along the printed line into a card with two sides; no separate
    // return cards then.
    bool fold = false;
    PrinterOffset offset;

    // Slots on a sheet: cards, or slips with `fold`.
    int slotsPerSheet() const { return sheetGrid(format, fold).count(); }

    friend bool operator==(const PrintOptions&, const PrintOptions&) = default;
};

// The names of the orders on the command line: "listed", "sending", "receiving".
std::string orderName(CardOrder order);
// The order named `name`; false for any other text.
bool orderFromName(const std::string& name, CardOrder& order);

// A command-line value that is not one of an option's values; the text says which, in the
// chosen language, for the user.
class PrintOptionsError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Takes the print options out of command-line arguments: "--first-slot N" (or
// "--first-slot=N"), "--order listed|sending|receiving" (or "--order=..."),
// "--return-cards", "--letter-codes", "--toner-saver", "--card-format NAME" (presetName),
// "--paper a4|letter", "--fold". What is not given keeps its default. The first slot is
// checked against the slots of the format, paper and fold given, wherever they stand.
// Every other argument stays in `args`, in its order. A missing or wrong value throws
// PrintOptionsError, and `args` is left as it was.
PrintOptions takePrintOptions(std::vector<std::string>& args);

// The lines of the command line's help that describe these options, in the chosen language.
std::string printOptionsHelp();

}  // namespace print
