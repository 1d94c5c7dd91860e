// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_list.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "delimited_records.h"
#include "jet4_table.h"
#include "list_text.h"
#include "list_warnings.h"
#include "words/jet/unicode.h"

namespace vorlix::wordbase {
namespace {

enum Column : size_t { kCategory, kEnglish, kSpanish, kColumnCount };
constexpr std::array<std::string_view, kColumnCount> kColumnNames = {"category", "english", "spanish"};
// Which field of a record holds each column.
using ColumnOrder = std::array<size_t, kColumnCount>;
constexpr ColumnOrder kListedOrder = {0, 1, 2};

std::string lowerTrimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::optional<size_t> columnNamed(std::string_view field)
{
    const auto found = std::find(kColumnNames.begin(), kColumnNames.end(), lowerTrimmed(field));
    if (found == kColumnNames.end()) return std::nullopt;
    return static_cast<size_t>(found - kColumnNames.begin());
}

bool namesColumnsOnly(const Record& record)
{
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::string& field) { return columnNamed(field).has_value(); });
}

// The order a header gives, or none when it does not name each column once.
std::optional<ColumnOrder> headerOrder(const Record& header)
{
    if (header.fields.size() != kColumnCount) return std::nullopt;
    ColumnOrder order{};
    std::array<bool, kColumnCount> named{};
    for (size_t field = 0; field < kColumnCount; ++field) {
        const size_t column = *columnNamed(header.fields[field]);
        if (named[column]) return std::nullopt;
        named[column] = true;
        order[column] = field;
    }
    return order;
}

std::string separatorName(char separator)
{
    switch (separator) {
    case '\t': return "tabs";
    case ';': return "semicolons";
    default: return "commas";
    }
}

std::string fieldCountProblem(size_t found, char separator, const ColumnOrder& order)
{
    std::string columns;
    for (size_t field = 0; field < kColumnCount; ++field) {
        const size_t column = std::find(order.begin(), order.end(), field) - order.begin();
        columns += (field ? ", " : "") + std::string(kColumnNames[column]);
    }
    std::string text = "expected 3 fields (" + columns + ") separated by " + separatorName(separator) + ", found " +
                       std::to_string(found);
    if (found > kColumnCount && separator != '\t') {
        text += "; a text that holds " + std::string(separator == ';' ? "a semicolon" : "a comma") +
                " belongs in double quotes";
    }
    return text;
}

// Empty when the text can be stored as it is.
std::string textProblem(size_t column, std::string_view text)
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

}  // namespace

bool WordList::hasErrors() const
{
    return std::any_of(notes.begin(), notes.end(),
                       [](const Diagnostic& d) { return d.kind == Diagnostic::Kind::Error; });
}

WordList readWordList(std::string_view bytes)
{
    WordList list;
    const auto error = [&list](int line, std::string text) {
        list.notes.push_back({Diagnostic::Kind::Error, line, std::move(text)});
    };
    std::string text;
    try {
        text = utf8Text(bytes);
    } catch (const NotText& e) {
        error(e.line(), "the file " + std::string(e.what()));
        return list;
    }

    const Records split = splitRecords(text);
    std::vector<int> lines;
    ColumnOrder order = kListedOrder;
    bool first = true;
    for (const Record& record : split.records) {
        if (!record.quoteProblem.empty()) {
            error(record.line, record.quoteProblem);
            first = false;
            continue;
        }
        if (std::all_of(record.fields.begin(), record.fields.end(), isBlank)) continue;
        if (std::exchange(first, false) && namesColumnsOnly(record)) {
            if (const auto named = headerOrder(record)) {
                order = *named;
            } else {
                error(record.line, "a header line names the columns category, english and spanish, each once");
            }
            continue;
        }
        if (record.fields.size() != kColumnCount) {
            error(record.line, fieldCountProblem(record.fields.size(), split.separator, order));
            continue;
        }
        WordPair pair{record.fields[order[kCategory]], record.fields[order[kEnglish]], record.fields[order[kSpanish]]};
        bool stored = true;
        for (size_t column = 0; column < kColumnCount; ++column) {
            const std::string problem = textProblem(column, record.fields[order[column]]);
            if (!problem.empty()) error(record.line, problem);
            stored = stored && problem.empty();
        }
        if (!stored) continue;
        list.pairs.push_back(std::move(pair));
        lines.push_back(record.line);
    }

    for (Diagnostic& warning : listWarnings(list.pairs, lines)) list.notes.push_back(std::move(warning));
    std::stable_sort(list.notes.begin(), list.notes.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    return list;
}

}  // namespace vorlix::wordbase
