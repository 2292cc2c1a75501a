#pragma once
// PrintService: the small printing interface the card run draws through. Lengths and
// positions are device pixels of the chosen printer; texts are UTF-8.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace print {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class FontStyle { Regular, Bold };

struct Rect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // x2, y2 exclusive
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The sheets a run is printed on (A6 card stock only for car cards).
enum class Paper { A4, Letter, A6 };

// The size of a text in device pixels: its advance and the height of its line.
struct TextExtent {
    int width = 0, height = 0;
};

class PrintService {
public:
    virtual ~PrintService() = default;

    // The installed printers' names; a printer's position in this list is its index.
    virtual std::vector<std::string> printers() const = 0;
    // Makes the printer at `index` current; -1 is the system's default printer.
    virtual void selectPrinter(int index) = 0;
    // Height of the current printer's printable area, in device pixels.
    virtual int pageHeight() const = 0;
    virtual void setTitle(const std::string& title) = 0;
    // The paper of the document, the whole sheet being the page: pageHeight() is the
    // sheet's height from then on. Before beginDoc(). A service that has no paper of its own
    // (a recording, an image of a fixed size) keeps its page.
    virtual void setPaper(Paper paper, bool landscape) {
        (void)paper;
        (void)landscape;
    }

    virtual void beginDoc() = 0;
    virtual void newPage() = 0;
    virtual void endDoc() = 0;
    // Cancels the begun document; nothing of it stays open.
    virtual void abort() = 0;

    // Drawing on the current page.
    virtual void setFontSize(int points) = 0;
    virtual void setFontStyle(FontStyle style) = 0;
    virtual void setFillColour(Rgb colour) = 0;
    // Outlined with a black one-pixel pen and filled with the fill colour; the right and
    // bottom edges (x2, y2) are exclusive.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // The top-left corner of the first character cell at (x, y), on an opaque background
    // of the fill colour.
    virtual void text(int x, int y, const std::string& text) = 0;
    // Keeps everything drawn from now on inside `area` (right and bottom exclusive), until
    // unclip() or the end of the page.
    virtual void clip(const Rect& area) = 0;
    virtual void unclip() = 0;
    // The size `text` takes in the current font.
    virtual TextExtent measure(const std::string& text) const = 0;
    // Everything drawn from now on is turned by 180 degrees about the centre of `area`
    // (right and bottom exclusive), so that `area` maps onto itself, until unturn() or the end
    // of the page. Clipping set while turned is turned with it.
    virtual void turn(const Rect& area) = 0;
    virtual void unturn() = 0;
    // A polygon through `points` filled with the fill colour, with no outline.
    virtual void fillPolygon(const std::vector<std::pair<int, int>>& points) { (void)points; }
    // A slot of the sheet that an earlier run has used already: shown by a preview, never
    // printed.
    virtual void usedSlot(const Rect& area) { (void)area; }
};

}  // namespace print
