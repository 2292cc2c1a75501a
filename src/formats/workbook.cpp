#include "formats/workbook.h"

#include "formats/xlsx_escapes.h"

#include "model/wagons.h"

#include <libxml/xmlreader.h>
#include <zlib.h>

#include <orcus/orcus_xlsx.hpp>
#include <orcus/sax_ns_parser.hpp>
#include <orcus/spreadsheet/import_interface.hpp>
#include <orcus/xml_namespace.hpp>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include "db/errors.h"
#include "db/text.h"
#include "formats/list_reader.h"
#include "model/messages.h"
#include "model/stored_rows.h"

namespace formats {

using model::message;
namespace {

namespace fs = std::filesystem;
namespace iface = orcus::spreadsheet::iface;

// --- the zip directory -----------------------------------------------------------------

std::uint32_t le(std::string_view b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

[[noreturn]] void damaged(const std::string& why) {
    throw WorkbookError(message(
        "listy", QT_TRANSLATE_NOOP("listy", "plik nie jest poprawnym skoroszytem (%1)"), {why}));
}

// Inflates one entry's data, to see that it holds exactly `size` bytes; the bytes go to
// `into` when it is given, else nowhere.
void unpack(std::string_view data, std::uint32_t method, std::uint64_t size,
            const std::string& name, std::string* into = nullptr) {
    if (method == 0) {
        if (data.size() != size)
            damaged(message("listy",
                            QT_TRANSLATE_NOOP("listy", "wpis %1 ma inny rozmiar niż w spisie"),
                            {name}));
        if (into) into->assign(data);
        return;
    }
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        damaged(message("listy", QT_TRANSLATE_NOOP("listy", "brak pamięci")));
    struct End {
        z_stream* z;
        ~End() { inflateEnd(z); }
    } end{&z};
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    unsigned char out[1 << 15];
    std::uint64_t total = 0;
    if (into) into->reserve(static_cast<std::size_t>(size));
    for (;;) {
        z.next_out = out;
        z.avail_out = sizeof out;
        const int rc = inflate(&z, Z_NO_FLUSH);
        const std::size_t got = sizeof out - z.avail_out;
        total += got;
        if (total > size) {
            throw WorkbookError(message(
                "listy",
                QT_TRANSLATE_NOOP("listy",
                                  "wpis %1 skoroszytu rozpakowuje się do większego rozmiaru, niż "
                                  "podaje spis archiwum: skoroszyt odrzucono"),
                {name}));
        }
        if (into) into->append(reinterpret_cast<const char*>(out), got);
        if (rc == Z_STREAM_END) break;
        if (rc != Z_OK)
            damaged(
                message("listy", QT_TRANSLATE_NOOP("listy", "wpis %1 jest uszkodzony"), {name}));
        if (z.avail_in == 0 && z.avail_out != 0)
            damaged(message("listy", QT_TRANSLATE_NOOP("listy", "wpis %1 jest ucięty"), {name}));
    }
    if (total != size)
        damaged(message("listy", QT_TRANSLATE_NOOP("listy", "wpis %1 ma inny rozmiar niż w spisie"),
                        {name}));
}

// Whether an entry is a picture, which no reader parses as XML.
bool isPicture(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return false;
    std::string ext;
    for (char c : name.substr(dot + 1))
        ext += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* picture : {"png", "jpg", "jpeg", "gif", "bmp", "tif", "tiff", "emf", "wmf"}) {
        if (ext == picture) return true;
    }
    return false;
}

// Every XML part of a workbook is read once by libxml2 (no network, no external entities,
// its limits on entity expansion) before the reading library sees it: the library's own XML
// parser runs past the end of some malformed texts (found by the fuzz target), so only
// well-formed XML ever reaches it.
void proveWellFormed(const std::string& xml, const std::string& name) {
    xmlTextReaderPtr reader =
        xmlReaderForMemory(xml.data(), static_cast<int>(xml.size()), nullptr, nullptr,
                           XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!reader) damaged(message("listy", QT_TRANSLATE_NOOP("listy", "brak pamięci")));
    int rc;
    while ((rc = xmlTextReaderRead(reader)) == 1) {
    }
    xmlFreeTextReader(reader);
    if (rc != 0)
        damaged(message("listy", QT_TRANSLATE_NOOP("listy", "część %1 nie jest poprawnym XML"),
                        {name}));
}

// What the directory check found: the kind of workbook and, for .ods, where its sheets are.
struct Archive {
    WorkbookKind kind = WorkbookKind::Xlsx;
    std::string_view contentData;  // content.xml as stored
    std::uint32_t contentMethod = 0;
    std::uint64_t contentSize = 0;
};

std::string sizeText(std::uint64_t bytes) {
    return std::to_string(bytes >> 20) + " MB";
}

// --- what the library hands over -------------------------------------------------------

struct SheetCells {
    std::string name;
    std::vector<std::vector<std::string>> rows;  // by row index; cells by column
    long formulaRow = 0;                         // the first row with a formula (1-based)
    long overRow = 0;                            // the first row over the row limit
    long overColumnRow = 0;                      // the first row with a cell too far right
    long typedCells = 0;                         // numbers, dates, truth values taken as text
};

class Strings : public iface::import_shared_strings {
public:
    std::vector<std::string> all;
    std::map<std::string, std::size_t, std::less<>> index;
    std::string segments;

    std::size_t append(std::string_view s) override {
        all.emplace_back(s);
        return all.size() - 1;
    }
    std::size_t add(std::string_view s) override {
        if (auto it = index.find(s); it != index.end()) return it->second;
        const std::size_t i = append(s);
        index.emplace(std::string(s), i);
        return i;
    }
    void set_segment_font(std::size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                                orcus::spreadsheet::color_elem_t,
                                orcus::spreadsheet::color_elem_t) override {}
    void append_segment(std::string_view s) override { segments += s; }
    std::size_t commit_segments() override {
        const std::size_t i = append(segments);
        segments.clear();
        return i;
    }
};

// Styles and sheet properties are of no use to the import: they are taken and dropped.
namespace quiet {
using namespace orcus::spreadsheet;
using orcus::length_unit_t;

class Styles : public iface::import_styles {
public:
    void set_font_count(size_t) override {}
    void set_font_bold(bool) override {}
    void set_font_italic(bool) override {}
    void set_font_name(std::string_view) override {}
    void set_font_size(double) override {}
    void set_font_underline(underline_t) override {}
    void set_font_underline_width(underline_width_t) override {}
    void set_font_underline_mode(underline_mode_t) override {}
    void set_font_underline_type(underline_type_t) override {}
    void set_font_underline_color(color_elem_t, color_elem_t, color_elem_t, color_elem_t) override {
    }
    void set_font_color(color_elem_t, color_elem_t, color_elem_t, color_elem_t) override {}
    void set_strikethrough_style(strikethrough_style_t) override {}
    void set_strikethrough_type(strikethrough_type_t) override {}
    void set_strikethrough_width(strikethrough_width_t) override {}
    void set_strikethrough_text(strikethrough_text_t) override {}
    size_t commit_font() override { return 0; }
    void set_fill_count(size_t) override {}
    void set_fill_pattern_type(fill_pattern_t) override {}
    void set_fill_fg_color(color_elem_t, color_elem_t, color_elem_t, color_elem_t) override {}
    void set_fill_bg_color(color_elem_t, color_elem_t, color_elem_t, color_elem_t) override {}
    size_t commit_fill() override { return 0; }
    void set_border_count(size_t) override {}
    void set_border_style(border_direction_t, border_style_t) override {}
    void set_border_color(border_direction_t, color_elem_t, color_elem_t, color_elem_t,
                          color_elem_t) override {}
    void set_border_width(border_direction_t, double, orcus::length_unit_t) override {}
    size_t commit_border() override { return 0; }
    void set_cell_hidden(bool) override {}
    void set_cell_locked(bool) override {}
    void set_cell_print_content(bool) override {}
    void set_cell_formula_hidden(bool) override {}
    size_t commit_cell_protection() override { return 0; }
    void set_number_format_count(size_t) override {}
    void set_number_format_identifier(size_t) override {}
    void set_number_format_code(std::string_view) override {}
    size_t commit_number_format() override { return 0; }
    void set_cell_xf_count(size_t) override {}
    void set_cell_style_xf_count(size_t) override {}
    void set_dxf_count(size_t) override {}
    void set_xf_font(size_t) override {}
    void set_xf_fill(size_t) override {}
    void set_xf_border(size_t) override {}
    void set_xf_protection(size_t) override {}
    void set_xf_number_format(size_t) override {}
    void set_xf_style_xf(size_t) override {}
    void set_xf_apply_alignment(bool) override {}
    void set_xf_horizontal_alignment(hor_alignment_t) override {}
    void set_xf_vertical_alignment(ver_alignment_t) override {}
    size_t commit_cell_xf() override { return 0; }
    size_t commit_cell_style_xf() override { return 0; }
    size_t commit_dxf() override { return 0; }
    void set_cell_style_count(size_t) override {}
    void set_cell_style_name(std::string_view) override {}
    void set_cell_style_xf(size_t) override {}
    void set_cell_style_builtin(size_t) override {}
    void set_cell_style_parent_name(std::string_view) override {}
    size_t commit_cell_style() override { return 0; }
};

class SheetProperties : public iface::import_sheet_properties {
public:
    void set_column_width(col_t, double, orcus::length_unit_t) override {}
    void set_column_hidden(col_t, bool) override {}
    void set_row_height(row_t, double, orcus::length_unit_t) override {}
    void set_row_hidden(row_t, bool) override {}
    void set_merge_cell_range(const range_t&) override {}
};

}  // namespace quiet

// A formula is never evaluated: its place is recorded and the sheet refused.
class Formula : public iface::import_formula {
public:
    explicit Formula(SheetCells& sheet) : sheet_(sheet) {}
    void set_position(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t) override {
        row_ = row;
    }
    void set_formula(orcus::spreadsheet::formula_grammar_t, std::string_view) override {}
    void set_shared_formula_index(std::size_t) override {}
    void set_result_string(std::string_view) override {}
    void set_result_value(double) override {}
    void set_result_bool(bool) override {}
    void set_result_empty() override {}
    void commit() override {
        if (sheet_.formulaRow == 0) sheet_.formulaRow = row_ + 1;
    }

private:
    SheetCells& sheet_;
    long row_ = 0;
};

class ArrayFormula : public iface::import_array_formula {
public:
    explicit ArrayFormula(SheetCells& sheet) : sheet_(sheet) {}
    void set_range(const orcus::spreadsheet::range_t& range) override { row_ = range.first.row; }
    void set_formula(orcus::spreadsheet::formula_grammar_t, std::string_view) override {}
    void set_result_string(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t,
                           std::string_view) override {}
    void set_result_value(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t, double) override {}
    void set_result_bool(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t, bool) override {}
    void set_result_empty(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t) override {}
    void commit() override {
        if (sheet_.formulaRow == 0) sheet_.formulaRow = row_ + 1;
    }

private:
    SheetCells& sheet_;
    long row_ = 0;
};

std::string numberText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

class Sheet : public iface::import_sheet {
public:
    Sheet(SheetCells& cells, const Strings& strings, const WorkbookLimits& limits)
        : cells_(cells), strings_(strings), limits_(limits), formula_(cells), array_(cells) {}

    iface::import_formula* get_formula() override { return &formula_; }
    iface::import_sheet_properties* get_sheet_properties() override { return &properties_; }
    iface::import_array_formula* get_array_formula() override { return &array_; }

    void set_auto(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col,
                  std::string_view s) override {
        put(row, col, std::string(s));
    }
    void set_string(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col,
                    orcus::spreadsheet::string_id_t id) override {
        put(row, col, id < strings_.all.size() ? std::string(strings_.all[id]) : std::string());
    }
    void set_value(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col,
                   double value) override {
        if (put(row, col, numberText(value))) ++cells_.typedCells;
    }
    void set_bool(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col,
                  bool value) override {
        if (put(row, col, value ? "PRAWDA" : "FAŁSZ")) ++cells_.typedCells;
    }
    void set_date_time(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, int year,
                       int month, int day, int hour, int minute, double second) override {
        char buffer[64];
        if (hour || minute || second != 0.0) {
            std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day,
                          hour, minute, static_cast<int>(second));
        } else {
            std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
        }
        if (put(row, col, buffer)) ++cells_.typedCells;
    }
    void set_format(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t, std::size_t) override {}
    void set_format(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t, orcus::spreadsheet::row_t,
                    orcus::spreadsheet::col_t, std::size_t) override {}
    void fill_down_cells(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t,
                         orcus::spreadsheet::row_t) override {}
    orcus::spreadsheet::range_size_t get_sheet_size() const override { return {1'048'576, 16'384}; }

private:
    bool put(long row, long col, std::string&& text) {
        if (row < 0 || col < 0) return false;
        if (row >= limits_.maxRows) {
            if (cells_.overRow == 0) cells_.overRow = row + 1;
            return false;
        }
        if (col >= limits_.maxColumns) {
            if (cells_.overColumnRow == 0) cells_.overColumnRow = row + 1;
            return false;
        }
        auto& rows = cells_.rows;
        if (static_cast<std::size_t>(row) >= rows.size())
            rows.resize(static_cast<std::size_t>(row) + 1);
        auto& cells = rows[static_cast<std::size_t>(row)];
        if (static_cast<std::size_t>(col) >= cells.size())
            cells.resize(static_cast<std::size_t>(col) + 1);
        cells[static_cast<std::size_t>(col)] = std::move(text);
        return true;
    }

    SheetCells& cells_;
    const Strings& strings_;
    const WorkbookLimits& limits_;
    Formula formula_;
    ArrayFormula array_;
    quiet::SheetProperties properties_;
};

// Cell addresses as .xlsx writes them ("B7", "$B$7", "A1:F20"), 0-based.
class Addresses : public iface::import_reference_resolver {
public:
    orcus::spreadsheet::src_address_t resolve_address(std::string_view text) override {
        orcus::spreadsheet::src_address_t a{0, 0, 0};
        std::size_t i = 0;
        if (i < text.size() && text[i] == '$') ++i;
        long col = 0;
        const std::size_t letters = i;
        while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])) &&
               col < 1'000'000)
            col = col * 26 + (std::toupper(static_cast<unsigned char>(text[i++])) - 'A' + 1);
        if (i < text.size() && text[i] == '$') ++i;
        long row = 0;
        const std::size_t digits = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) &&
               row < 10'000'000)
            row = row * 10 + (text[i++] - '0');
        if (i != text.size() || (i == letters) || (digits == i && letters == digits)) {
            throw std::invalid_argument(message(
                "listy", QT_TRANSLATE_NOOP("listy", "niepoprawny adres komórki %1"), {text}));
        }
        a.column = col > 0 ? static_cast<orcus::spreadsheet::col_t>(col - 1) : 0;
        a.row = row > 0 ? static_cast<orcus::spreadsheet::row_t>(row - 1) : 0;
        return a;
    }
    orcus::spreadsheet::src_range_t resolve_range(std::string_view text) override {
        const std::size_t colon = text.find(':');
        const auto first = resolve_address(text.substr(0, colon));
        const auto last =
            colon == std::string_view::npos ? first : resolve_address(text.substr(colon + 1));
        return {first, last};
    }
};

class Factory : public iface::import_factory {
public:
    explicit Factory(const WorkbookLimits& limits) : limits_(limits) {}

    std::vector<std::unique_ptr<SheetCells>> cells;

    iface::import_shared_strings* get_shared_strings() override { return &strings_; }
    iface::import_styles* get_styles() override { return &styles_; }
    iface::import_reference_resolver* get_reference_resolver(
        orcus::spreadsheet::formula_ref_context_t) override {
        return &addresses_;
    }
    iface::import_sheet* append_sheet(orcus::spreadsheet::sheet_t, std::string_view name) override {
        cells.push_back(std::make_unique<SheetCells>());
        cells.back()->name = std::string(name);
        sheets_.push_back(std::make_unique<Sheet>(*cells.back(), strings_, limits_));
        return sheets_.back().get();
    }
    iface::import_sheet* get_sheet(std::string_view name) override {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (cells[i]->name == name) return sheets_[i].get();
        }
        return nullptr;
    }
    iface::import_sheet* get_sheet(orcus::spreadsheet::sheet_t index) override {
        if (index < 0 || static_cast<std::size_t>(index) >= sheets_.size()) return nullptr;
        return sheets_[static_cast<std::size_t>(index)].get();
    }
    void finalize() override {}

private:
    const WorkbookLimits& limits_;
    Strings strings_;
    Addresses addresses_;
    quiet::Styles styles_;
    std::vector<std::unique_ptr<Sheet>> sheets_;
};

// --- OpenDocument sheets ----------------------------------------------------------------

constexpr std::size_t kParserSlack = 64;

// The cells of an .ods file's content.xml, read with the library's XML parser. The text of
// a cell is its paragraphs joined by line breaks, with the spaces, tabs and line breaks
// that the format writes as elements of their own; a comment on a cell is not its text.
class OdsContent {
public:
    explicit OdsContent(const WorkbookLimits& limits) : limits_(limits) {}
    std::vector<std::unique_ptr<SheetCells>> sheets;

    void doctype(const orcus::sax::doctype_declaration&) {}
    void start_declaration(std::string_view) {}
    void end_declaration(std::string_view) {}
    void attribute(std::string_view, std::string_view) {}
    void attribute(const orcus::sax_ns_parser_attribute& a) {
        attributes_.push_back({space(a.ns), std::string(a.name), std::string(a.value)});
    }
    void start_element(const orcus::sax_ns_parser_element& e) {
        const std::string_view ns = space(e.ns);
        auto attribute = [&](std::string_view wantedNs,
                             std::string_view name) -> const std::string* {
            for (const Attribute& a : attributes_) {
                if (a.ns == wantedNs && a.name == name) return &a.value;
            }
            return nullptr;
        };
        auto count = [&](std::string_view wantedNs, std::string_view name) {
            const std::string* v = attribute(wantedNs, name);
            long n = 1;
            if (v) {
                n = 0;
                for (char c : *v) {
                    if (c < '0' || c > '9') break;
                    n = std::min<long>(n * 10 + (c - '0'), 100'000'000);
                }
            }
            return std::max<long>(n, 1);
        };
        if (ns == kTable) {
            if (e.name == "table") {
                sheets.push_back(std::make_unique<SheetCells>());
                const std::string* name = attribute(kTable, "name");
                sheets.back()->name = name ? *name : std::string();
                row_ = 0;
            } else if ((e.name == "table-source" || e.name == "dde-source") && links_.empty()) {
                links_ = std::string(e.name);
            } else if (e.name == "table-row" && !sheets.empty()) {
                rowRepeat_ = count(kTable, "number-rows-repeated");
                rowCells_.clear();
                column_ = 0;
            } else if ((e.name == "table-cell" || e.name == "covered-table-cell") &&
                       !sheets.empty()) {
                inCell_ = true;
                paragraphs_ = 0;
                text_.clear();
                columnRepeat_ = count(kTable, "number-columns-repeated");
                if (attribute(kTable, "formula")) formula_ = true;
                typed_.reset();
                const std::string* type = attribute(kOffice, "value-type");
                if (type && *type != "string") {
                    for (const char* name :
                         {"value", "date-value", "time-value", "boolean-value"}) {
                        if (const std::string* v = attribute(kOffice, name)) {
                            typed_ = *v;
                            if (std::string_view(name) == "boolean-value")
                                typed_ = *v == "true" ? "PRAWDA" : "FAŁSZ";
                            break;
                        }
                    }
                }
            }
        } else if (ns == kOffice && e.name == "annotation") {
            ++annotation_;
        } else if (ns == kOffice && e.name == "dde-source" && links_.empty()) {
            links_ = std::string(e.name);
        } else if (ns == kText && inCell_ && annotation_ == 0) {
            if (e.name == "p" || e.name == "h") {
                if (paragraphs_++ > 0) text_ += '\n';
            } else if (e.name == "s") {
                text_.append(static_cast<std::size_t>(std::min<long>(count(kText, "c"), 1'000'000)),
                             ' ');
            } else if (e.name == "tab") {
                text_ += '\t';
            } else if (e.name == "line-break") {
                text_ += '\n';
            }
        }
        attributes_.clear();
    }
    void end_element(const orcus::sax_ns_parser_element& e) {
        const std::string_view ns = space(e.ns);
        if (ns == kOffice && e.name == "annotation") {
            --annotation_;
        } else if (ns == kTable && (e.name == "table-cell" || e.name == "covered-table-cell") &&
                   inCell_) {
            inCell_ = false;
            SheetCells& sheet = *sheets.back();
            if (formula_ && sheet.formulaRow == 0) sheet.formulaRow = row_ + 1;
            formula_ = false;
            std::string value = typed_ ? *typed_ : text_;
            if (typed_ && !value.empty()) ++sheet.typedCells;
            if (value.empty()) {
                column_ += columnRepeat_;
            } else {
                for (long k = 0; k < columnRepeat_; ++k, ++column_) {
                    if (column_ >= limits_.maxColumns) {
                        if (sheet.overColumnRow == 0) sheet.overColumnRow = row_ + 1;
                        break;
                    }
                    if (static_cast<std::size_t>(column_) >= rowCells_.size())
                        rowCells_.resize(static_cast<std::size_t>(column_) + 1);
                    rowCells_[static_cast<std::size_t>(column_)] = value;
                }
            }
        } else if (ns == kTable && e.name == "table-row" && !sheets.empty()) {
            SheetCells& sheet = *sheets.back();
            if (rowCells_.empty()) {
                row_ += rowRepeat_;
                return;
            }
            for (long k = 0; k < rowRepeat_; ++k, ++row_) {
                if (row_ >= limits_.maxRows) {
                    if (sheet.overRow == 0) sheet.overRow = row_ + 1;
                    break;
                }
                if (static_cast<std::size_t>(row_) >= sheet.rows.size())
                    sheet.rows.resize(static_cast<std::size_t>(row_) + 1);
                sheet.rows[static_cast<std::size_t>(row_)] = rowCells_;
            }
            rowCells_.clear();
        }
    }
    void characters(std::string_view text, bool) {
        if (inCell_ && annotation_ == 0 && paragraphs_ > 0) text_ += text;
    }

    const std::string& links() const { return links_; }

private:
    static constexpr std::string_view kTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
    static constexpr std::string_view kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
    static constexpr std::string_view kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";

    struct Attribute {
        std::string_view ns;
        std::string name;
        std::string value;
    };

    static std::string_view space(orcus::xmlns_id_t ns) {
        return ns ? std::string_view(ns) : std::string_view();
    }

    const WorkbookLimits& limits_;
    std::vector<Attribute> attributes_;
    long row_ = 0, rowRepeat_ = 1, column_ = 0, columnRepeat_ = 1;
    std::vector<std::string> rowCells_;
    bool inCell_ = false, formula_ = false;
    int annotation_ = 0;
    int paragraphs_ = 0;
    std::string text_;
    std::optional<std::string> typed_;
    std::string links_;
};

std::vector<std::unique_ptr<SheetCells>> readOdsContent(std::string content,
                                                        const WorkbookLimits& limits) {
    orcus::xmlns_repository repository;
    orcus::xmlns_context context = repository.create_context();
    OdsContent handler(limits);
    // The library's XML parser reads a few bytes past the end of a text cut short inside a
    // tag (found by the fuzz target): the text is followed by NUL bytes it may read, which
    // it refuses as malformed.
    const std::size_t size = content.size();
    content.append(kParserSlack, '\0');
    orcus::sax_ns_parser<OdsContent> parser(content.data(), size, context, handler);
    parser.parse();
    if (!handler.links().empty()) {
        throw WorkbookError(message(
            "listy",
            QT_TRANSLATE_NOOP("listy",
                              "skoroszyt zawiera łącza do innych plików (%1); program niczego z "
                              "zewnątrz nie pobiera — zapisz skoroszyt bez łączy"),
            {handler.links()}));
    }
    return std::move(handler.sheets);
}

// In the order of Language, then of model::List.
}  // namespace

bool looksLikeWorkbook(std::string_view bytes) {
    return bytes.substr(0, 4) == std::string_view("PK\x03\x04", 4);
}

namespace {

Archive scanArchive(std::string_view b, const WorkbookLimits& limits) {
    Archive archive;
    // The end-of-directory record: the last 22 bytes, or up to 64 kB earlier with a comment.
    constexpr std::size_t kEnd = 22;
    if (b.size() < kEnd || !looksLikeWorkbook(b))
        damaged(message("listy", QT_TRANSLATE_NOOP("listy", "to nie jest archiwum ZIP")));
    std::size_t end = std::string_view::npos;
    const std::size_t lowest = b.size() > kEnd + 0xFFFF ? b.size() - kEnd - 0xFFFF : 0;
    for (std::size_t at = b.size() - kEnd + 1; at-- > lowest;) {
        if (le(b, at, 4) == 0x06054b50) {
            end = at;
            break;
        }
    }
    if (end == std::string_view::npos)
        damaged(message("listy", QT_TRANSLATE_NOOP("listy", "brak spisu archiwum ZIP")));
    const std::uint32_t entries = le(b, end + 10, 2);
    const std::uint32_t dirSize = le(b, end + 12, 4);
    const std::uint32_t dirAt = le(b, end + 16, 4);
    if (entries == 0xFFFF || dirSize == 0xFFFFFFFF || dirAt == 0xFFFFFFFF) {
        throw WorkbookError(message(
            "listy",
            QT_TRANSLATE_NOOP("listy", "skoroszyt w formacie ZIP64 jest za duży dla programu")));
    }
    if (entries > limits.maxEntries) {
        throw WorkbookError(message("listy",
                                    QT_TRANSLATE_NOOP("listy", "skoroszyt ma za dużo części (%1)"),
                                    {std::to_string(entries)}));
    }
    if (std::uint64_t(dirAt) + dirSize > end)
        damaged(message("listy", QT_TRANSLATE_NOOP("listy", "spis archiwum wskazuje poza plik")));
    std::uint64_t unpacked = 0;
    bool workbook = false, content = false;
    std::string links;
    std::size_t at = dirAt;
    for (std::uint32_t e = 0; e < entries; ++e) {
        if (at + 46 > end || le(b, at, 4) != 0x02014b50)
            damaged(message("listy", QT_TRANSLATE_NOOP("listy", "uszkodzony spis archiwum")));
        const std::uint32_t method = le(b, at + 10, 2);
        const std::uint32_t packed = le(b, at + 20, 4);
        const std::uint32_t size = le(b, at + 24, 4);
        const std::uint32_t nameLength = le(b, at + 28, 2);
        const std::uint32_t extra = le(b, at + 30, 2);
        const std::uint32_t comment = le(b, at + 32, 2);
        const std::uint32_t local = le(b, at + 42, 4);
        if (at + 46 + nameLength > end)
            damaged(message("listy", QT_TRANSLATE_NOOP("listy", "uszkodzony spis archiwum")));
        const std::string name(b.substr(at + 46, nameLength));
        if (packed == 0xFFFFFFFF || size == 0xFFFFFFFF) {
            throw WorkbookError(message(
                "listy", QT_TRANSLATE_NOOP(
                             "listy", "skoroszyt w formacie ZIP64 jest za duży dla programu")));
        }
        unpacked += size;
        if (unpacked > limits.maxUnpacked) {
            throw WorkbookError(message(
                "listy",
                QT_TRANSLATE_NOOP("listy",
                                  "skoroszyt rozpakowuje się do ponad %1 (według spisu archiwum): "
                                  "skoroszyt odrzucono, nic nie rozpakowano"),
                {sizeText(limits.maxUnpacked)}));
        }
        if (method != 0 && method != 8)
            damaged(message(
                "listy", QT_TRANSLATE_NOOP("listy", "nieznana metoda kompresji wpisu %1"), {name}));
        if (name == "xl/workbook.xml") workbook = true;
        if (name == "content.xml") content = true;
        if (name.rfind("xl/externalLinks/", 0) == 0 && links.empty()) links = name;
        // The entry's data behind its local header.
        if (std::uint64_t(local) + 30 > b.size() || le(b, local, 4) != 0x04034b50)
            damaged(message("listy", QT_TRANSLATE_NOOP("listy", "uszkodzony wpis %1"), {name}));
        const std::uint64_t data =
            std::uint64_t(local) + 30 + le(b, local + 26, 2) + le(b, local + 28, 2);
        if (data + packed > b.size())
            damaged(message("listy", QT_TRANSLATE_NOOP("listy", "wpis %1 jest ucięty"), {name}));
        const std::string_view stored = b.substr(static_cast<std::size_t>(data), packed);
        if (size == 0 || name == "mimetype" || isPicture(name)) {
            unpack(stored, method, size, name);
        } else {
            std::string xml;
            unpack(stored, method, size, name, &xml);
            proveWellFormed(xml, name);
        }
        if (name == "content.xml") {
            archive.contentData = stored;
            archive.contentMethod = method;
            archive.contentSize = size;
        }
        at += 46 + nameLength + extra + comment;
    }
    if (!links.empty()) {
        throw WorkbookError(
            message("listy",
                    QT_TRANSLATE_NOOP(
                        "listy",
                        "skoroszyt zawiera łącza do innych skoroszytów (%1); program niczego z "
                        "zewnątrz nie pobiera — zapisz skoroszyt bez łączy"),
                    {links}));
    }
    if (workbook) return archive;
    if (content) {
        archive.kind = WorkbookKind::Ods;
        return archive;
    }
    damaged(message("listy", QT_TRANSLATE_NOOP("listy", "brak arkuszy .xlsx ani .ods")));
}

}  // namespace

WorkbookKind checkWorkbook(std::string_view bytes, const WorkbookLimits& limits) {
    return scanArchive(bytes, limits).kind;
}

void readWorkbook(const std::string& name, std::string_view bytes, ExchangeData& data,
                  ExchangeReport& report, const WorkbookLimits& limits) {
    Archive archive;
    try {
        archive = scanArchive(bytes, limits);
    } catch (const WorkbookError& e) {
        report.refusals.push_back(name + ": " + e.what());
        return;
    }
    const WorkbookKind kind = archive.kind;
    Factory factory(limits);
    std::vector<std::unique_ptr<SheetCells>> odsSheets;
    try {
        if (kind == WorkbookKind::Xlsx) {
            orcus::orcus_xlsx reader(&factory);
            reader.read_stream(bytes);
        } else {
            std::string content;
            unpack(archive.contentData, archive.contentMethod, archive.contentSize, "content.xml",
                   &content);
            odsSheets = readOdsContent(std::move(content), limits);
        }
    } catch (const WorkbookError& e) {
        report.refusals.push_back(name + ": " + e.what());
        return;
    } catch (const std::exception& e) {
        report.refusals.push_back(
            name + ": " +
            message("listy", QT_TRANSLATE_NOOP("listy", "plik nie jest poprawnym skoroszytem (%1)"),
                    {e.what()}));
        return;
    }
    bool anySheet = false;
    for (const auto& sheet : kind == WorkbookKind::Xlsx ? factory.cells : odsSheets) {
        const auto& rows = sheet->rows;
        const bool empty = std::all_of(rows.begin(), rows.end(), [](const auto& cells) {
            return std::all_of(cells.begin(), cells.end(),
                               [](const std::string& c) { return c.empty(); });
        });
        if (empty && !sheet->formulaRow) continue;
        anySheet = true;
        ListReader reader(
            message("listy", QT_TRANSLATE_NOOP("listy", "%1, arkusz „%2”"), {name, sheet->name}),
            data, report);
        if (sheet->formulaRow) {
            reader.refuseFile(
                sheet->formulaRow,
                message("listy", QT_TRANSLATE_NOOP(
                                     "listy",
                                     "komórka z formułą; formuł program nie oblicza — zapisz w "
                                     "arkuszu same wartości")));
            continue;
        }
        if (sheet->overRow) {
            reader.refuseFile(
                sheet->overRow,
                message("listy",
                        QT_TRANSLATE_NOOP("listy", "arkusz ma więcej niż %1 wierszy danych"),
                        {std::to_string(limits.maxRows - 1)}));
            continue;
        }
        if (sheet->overColumnRow) {
            reader.refuseFile(
                sheet->overColumnRow,
                message("listy", QT_TRANSLATE_NOOP("listy", "komórka dalej niż w kolumnie %1"),
                        {std::to_string(limits.maxColumns)}));
            continue;
        }
        reader.reserve(rows.size());
        std::size_t width = 0;
        bool header = true, going = true;
        for (std::size_t r = 0; r < rows.size() && going; ++r) {
            std::vector<std::string> cells = rows[r];
            if (std::all_of(cells.begin(), cells.end(),
                            [](const std::string& c) { return c.empty(); }))
                continue;  // an empty row is no row
            const long line = static_cast<long>(r) + 1;
            bool tooLong = false;
            for (std::string& c : cells) {
                if (kind == WorkbookKind::Xlsx) c = unescapeXlsx(c);
                if (db::charCount(c) > limits.maxFieldChars) {
                    reader.refuseFile(
                        line,
                        message("listy",
                                QT_TRANSLATE_NOOP("listy", "wartość dłuższa niż %1 znaków (%2)"),
                                {std::to_string(limits.maxFieldChars),
                                 std::to_string(db::charCount(c))}));
                    tooLong = true;
                    break;
                }
            }
            if (tooLong) break;
            // A sheet keeps no empty cells at a row's end: the row is as wide as the header.
            if (header) {
                width = cells.size();
                header = false;
            } else if (cells.size() < width) {
                cells.resize(width);
            }
            going = reader.record(line, std::move(cells));
        }
        reader.finish();
        if (sheet->typedCells > 0 && !report.refused()) {
            report.notes.push_back(
                message("listy",
                        QT_TRANSLATE_NOOP("listy",
                                          "%1: %2 komórek z liczbą, datą lub wartością logiczną "
                                          "odczytano jako tekst (arkusz "
                                          "mógł zmienić ich zapis, np. usunąć zera z przodu)"),
                        {reader.source(), std::to_string(sheet->typedCells)}));
        }
    }
    if (!anySheet)
        report.refusals.push_back(message(
            "listy", QT_TRANSLATE_NOOP("listy", "%1: skoroszyt nie zawiera żadnej listy"), {name}));
}

}  // namespace formats
