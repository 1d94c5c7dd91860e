// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_list.h"

#include <algorithm>
#include <array>
#include <utility>

#include "delimited_records.h"
#include "html_text.h"
#include "jet4_table.h"
#include "list_header.h"
#include "list_text.h"
#include "list_warnings.h"
#include "words/ascii_text.h"
#include "words/categories.h"
#include "words/jet/unicode.h"

namespace vorlix::wordbase {
namespace {

enum Column : size_t { kCategory, kEnglish, kSpanish, kColumnCount };
constexpr std::array<std::string_view, kColumnCount> kColumnNames = {"category", "english", "spanish"};
// The column each field of a line holds, in field order: the list's shape.
using Layout = std::vector<Column>;
const Layout kThreeColumns = {kCategory, kEnglish, kSpanish};
const Layout kTwoColumns = {kEnglish, kSpanish};

bool isBlank(std::string_view text)
{
    return trimmed(text).empty();
}

bool hasCategory(const Layout& layout)
{
    return std::find(layout.begin(), layout.end(), kCategory) != layout.end();
}

std::optional<Column> columnNamed(std::string_view field)
{
    const auto found = std::find(kColumnNames.begin(), kColumnNames.end(), asciiLower(trimmed(field)));
    if (found == kColumnNames.end()) return std::nullopt;
    return static_cast<Column>(found - kColumnNames.begin());
}

bool namesColumnsOnly(const std::vector<std::string>& fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& field) { return columnNamed(field).has_value(); });
}

// The shape a header gives, or none when it names neither the three columns nor english and
// spanish, each once.
std::optional<Layout> headerLayout(const std::vector<std::string>& header)
{
    Layout layout;
    for (const std::string& field : header) layout.push_back(*columnNamed(field));
    std::vector<Column> named = layout;
    std::sort(named.begin(), named.end());
    if (named != kThreeColumns && named != kTwoColumns) return std::nullopt;
    return layout;
}

std::string separatorName(char separator)
{
    switch (separator) {
    case '\t': return "tabs";
    case ';': return "semicolons";
    case ',': return "commas";
    default: return "'" + std::string(1, separator) + "'";
    }
}

std::string fieldCountProblem(size_t found, char separator, const Layout& layout)
{
    std::string columns;
    for (const Column column : layout) columns += (columns.empty() ? "" : ", ") + std::string(kColumnNames[column]);
    std::string text = "expected " + std::to_string(layout.size()) + " fields (" + columns + ") separated by " +
                       separatorName(separator) + ", found " + std::to_string(found);
    if (found > layout.size() && (separator == ',' || separator == ';')) {
        text += "; a text that holds " + std::string(separator == ';' ? "a semicolon" : "a comma") +
                " belongs in double quotes";
    }
    return text;
}

// Empty when the text can be stored as it is.
std::string textProblem(Column column, std::string_view text)
{
    const std::string name(kColumnNames[column]);
    if (column != kCategory && isBlank(text)) return "the " + name + " text is empty; every pair needs both words";
    const std::u16string units = jet::utf16FromUtf8(text).value();  // the text is checked UTF-8 already
    if (units.size() > jet4::kMaxTextLength) {
        return "the " + name + " text has " + std::to_string(units.size()) +
               " characters (UTF-16 units); at most 255 fit";
    }
    if (!units.empty() && units.front() == u'\uFEFF') {
        return "the " + name + " text starts with U+FEFF, which Jet cannot store there";
    }
    return {};
}

// A line's fields as they hold words: without the columns the header leaves out, HTML reduced to
// its text.
std::vector<std::string> wordFields(const std::vector<std::string>& fields, const ListHeader& header)
{
    std::vector<std::string> kept;
    for (size_t field = 0; field < fields.size(); ++field) {
        if (header.leftOut.contains(field)) continue;
        kept.push_back(header.html ? textOfHtml(fields[field]) : fields[field]);
    }
    return kept;
}

}  // namespace

bool WordList::hasErrors() const
{
    return std::any_of(notes.begin(), notes.end(),
                       [](const Diagnostic& d) { return d.kind == Diagnostic::Kind::Error; });
}

WordList readWordList(std::string_view bytes, const std::optional<std::string>& category)
{
    WordList list;
    const auto error = [&list](int line, std::string text) {
        list.notes.push_back({Diagnostic::Kind::Error, line, std::move(text)});
    };
    ListText text;
    try {
        text = listText(std::string(bytes));
    } catch (const NotText& e) {
        error(e.line(), "the file " + std::string(e.what()));
        return list;
    }
    list.legacyCharacterSet = text.legacyCharacterSet;

    const ListHeader header = readListHeader(text.utf8);
    const Records split = splitRecords(text.utf8, header.separator);
    std::vector<int> lines;
    std::optional<Layout> layout;
    bool first = true;
    for (const Record& record : split.records) {
        if (!record.quoteProblem.empty()) {
            error(record.line, record.quoteProblem);
            first = false;
            continue;
        }
        const std::vector<std::string> fields = wordFields(record.fields, header);
        if (std::all_of(fields.begin(), fields.end(), isBlank)) continue;
        const bool named = std::exchange(first, false) && namesColumnsOnly(fields);
        if (named) {
            layout = headerLayout(fields);
            if (!layout) {
                error(record.line,
                      "a header line names the columns category, english and spanish, or english and spanish, "
                      "each once");
                continue;
            }
        } else if (!layout) {
            layout = fields.size() == kTwoColumns.size() ? kTwoColumns : kThreeColumns;
        }
        if (category && hasCategory(*layout)) {
            error(record.line,
                  "--category is for a list of two columns, english and spanish; this one has a category column");
            return list;
        }
        if (named) continue;
        if (fields.size() != layout->size()) {
            error(record.line, fieldCountProblem(fields.size(), split.separator, *layout));
            continue;
        }
        WordPair pair{category.value_or(std::string()), {}, {}};
        const std::array<std::string*, kColumnCount> columns = {&pair.category, &pair.english, &pair.spanish};
        bool stored = true;
        for (size_t field = 0; field < fields.size(); ++field) {
            const Column column = (*layout)[field];
            const std::string problem = textProblem(column, fields[field]);
            if (!problem.empty()) error(record.line, problem);
            stored = stored && problem.empty();
            *columns[column] = fields[field];
        }
        if (!stored) continue;
        if (const auto offered = offeredCategory(pair.category)) pair.category = *offered;
        list.pairs.push_back(std::move(pair));
        lines.push_back(record.line);
    }

    const bool categoryColumn = !layout || hasCategory(*layout);
    for (Diagnostic& warning : listWarnings(list.pairs, lines, categoryColumn))
        list.notes.push_back(std::move(warning));
    std::stable_sort(list.notes.begin(), list.notes.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    return list;
}

}  // namespace vorlix::wordbase
