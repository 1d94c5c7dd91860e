// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_list.h"

#include <algorithm>
#include <array>
#include <utility>

#include "delimited_records.h"
#include "jet4_table.h"
#include "list_header.h"
#include "list_shape.h"
#include "list_text.h"
#include "list_warnings.h"
#include "words/ascii_text.h"
#include "words/categories.h"
#include "words/jet/unicode.h"

namespace vorlix::wordbase {
namespace {

// Empty when the text can be stored as it is.
std::string textProblem(Column column, std::string_view text)
{
    const std::string name(columnName(column));
    if (column != Column::Category && isBlank(text))
        return "the " + name + " text is empty; every pair needs both words";
    if (text.size() <= jet4::kMaxTextLength && !text.starts_with("\xEF\xBB\xBF")) return {};
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

// The pairs of the list's lines, in their order, and the errors of those that hold none; returns
// the line of each pair.
std::vector<int> readPairs(std::string_view text, const ListShape& shape, const std::optional<std::string>& category,
                           WordList& list)
{
    std::vector<int> lines;
    list.pairs.reserve(shape.fitting);
    lines.reserve(shape.fitting);
    RecordReader reader(text.substr(shape.bodyStart), shape.separator, shape.bodyLine);
    Record record;
    std::vector<std::string> fields;
    while (reader.next(record)) {
        if (!record.quoteProblem.empty()) {
            list.note(Diagnostic::Kind::Error, record.line, [&] { return record.quoteProblem; });
            continue;
        }
        takeWordFields(record, shape, fields);
        if (std::all_of(fields.begin(), fields.end(), isBlank)) continue;
        if (shape.firstLineNames && record.line == shape.firstLine) continue;
        if (fields.size() != shape.layout.size()) {
            list.note(Diagnostic::Kind::Error, record.line, [&] { return fieldCountProblem(fields, shape); });
            continue;
        }
        WordPair pair{category.value_or(std::string()), {}, {}};
        const std::array<std::string*, 3> columns = {&pair.category, &pair.english, &pair.spanish};
        bool stored = true;
        for (size_t field = 0; field < fields.size(); ++field) {
            const Column column = shape.layout[field];
            std::string problem = textProblem(column, fields[field]);
            stored = stored && problem.empty();
            if (!problem.empty()) list.note(Diagnostic::Kind::Error, record.line, [&] { return std::move(problem); });
            *columns[static_cast<size_t>(column)] = std::move(fields[field]);
        }
        if (!stored) continue;
        if (const auto offered = offeredCategory(pair.category)) pair.category = *offered;
        list.pairs.push_back(std::move(pair));
        lines.push_back(record.line);
    }
    return lines;
}

}  // namespace

WordList readWordList(std::string bytes, const std::optional<std::string>& category)
{
    WordList list;
    ListText text;
    try {
        text = listText(std::move(bytes));
    } catch (const NotText& e) {
        list.note(Diagnostic::Kind::Error, e.line(), [&e] { return "the file " + std::string(e.what()); });
        return list;
    }
    list.legacyCharacterSet = text.legacyCharacterSet;

    const ListShape shape = listShape(text.utf8, readListHeader(text.utf8));
    if (shape.note) list.note(shape.note->kind, shape.note->line, [&shape] { return shape.note->text; });
    if (list.hasErrors()) return list;
    if (category && hasCategory(shape.layout)) {
        list.note(Diagnostic::Kind::Error, shape.firstLine, [] {
            return "--category is for a list of two columns, english and spanish; this one has a category column";
        });
        return list;
    }
    const std::vector<int> lines = readPairs(text.utf8, shape, category, list);
    addListWarnings(list, lines, shape.layout.empty() || hasCategory(shape.layout));
    std::stable_sort(list.notes.begin(), list.notes.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    return list;
}

}  // namespace vorlix::wordbase
