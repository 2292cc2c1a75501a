#pragma once
// A PrintService that draws nothing and records every call as one line of text, e.g.
// "rect 400,400,1400,1844", "fill 255,0,0", "text 463,466 Stacja odbioru". The paper is kept
// apart (it changes no drawing); texts are measured as if every character were half a
// font size wide at 600 dpi.

#include <QStringList>

#include "print/print_service.h"

namespace testing {

class RecordingPrintService : public print::PrintService {
public:
    int height = 6600;
    std::vector<std::string> names;
    QStringList calls;
    print::Paper paper = print::Paper::A4;
    bool landscape = false;
    int points = 8;

    std::vector<std::string> printers() const override { return names; }
    void selectPrinter(int index) override { calls << QStringLiteral("select %1").arg(index); }
    int pageHeight() const override { return height; }
    void setTitle(const std::string& title) override {
        calls << "title " + QString::fromStdString(title);
    }
    void beginDoc() override { calls << QStringLiteral("begin"); }
    void newPage() override { calls << QStringLiteral("newpage"); }
    void endDoc() override { calls << QStringLiteral("end"); }
    void abort() override { calls << QStringLiteral("abort"); }
    void setPaper(print::Paper p, bool l) override {
        paper = p;
        landscape = l;
    }
    void setFontSize(int size) override {
        points = size;
        calls << QStringLiteral("font %1").arg(size);
    }
    void setFontStyle(print::FontStyle style) override {
        calls << (style == print::FontStyle::Bold ? QStringLiteral("style bold")
                                                  : QStringLiteral("style regular"));
    }
    void setFillColour(print::Rgb c) override {
        calls << QStringLiteral("fill %1,%2,%3").arg(c.red).arg(c.green).arg(c.blue);
    }
    void rectangle(int x1, int y1, int x2, int y2) override {
        calls << QStringLiteral("rect %1,%2,%3,%4").arg(x1).arg(y1).arg(x2).arg(y2);
    }
    void text(int x, int y, const std::string& text) override {
        calls << QStringLiteral("text %1,%2 ").arg(x).arg(y) + QString::fromStdString(text);
    }

    void clip(const print::Rect& r) override {
        calls << QStringLiteral("clip %1,%2,%3,%4").arg(r.x1).arg(r.y1).arg(r.x2).arg(r.y2);
    }
    void unclip() override { calls << QStringLiteral("unclip"); }
    print::TextExtent measure(const std::string& text) const override {
        const double em = points * 600 / 72.0;
        return {static_cast<int>(QString::fromStdString(text).toUcs4().size() * em / 2), int(em)};
    }
    void turn(const print::Rect& r) override {
        calls << QStringLiteral("turn %1,%2,%3,%4").arg(r.x1).arg(r.y1).arg(r.x2).arg(r.y2);
    }
    void unturn() override { calls << QStringLiteral("unturn"); }
    void usedSlot(const print::Rect& r) override {
        calls << QStringLiteral("used %1,%2,%3,%4").arg(r.x1).arg(r.y1).arg(r.x2).arg(r.y2);
    }

    // The calls that start with `prefix`.
    QStringList only(const QString& prefix) const {
        return calls.filter(QRegularExpression("^" + prefix));
    }
};

}  // namespace testing
