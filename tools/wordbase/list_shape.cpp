// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_shape.h"

#include <algorithm>
#include <array>

#include "html_text.h"
#include "words/ascii_text.h"
#include "words/categories.h"

namespace vorlix::wordbase {
namespace {

// What a column's name says it holds; none for the columns flash-card programs add beside the
// words.
constexpr std::array<std::pair<std::string_view, std::optional<Column>>, 11> kColumnNames = {{
    {"category", Column::Category},
    {"english", Column::English},
    {"en", Column::English},
    {"front", Column::English},
    {"spanish", Column::Spanish},
    {"es", Column::Spanish},
    {"back", Column::Spanish},
    {"tags", std::nullopt},
    {"deck", std::nullopt},
    {"notetype", std::nullopt},
    {"guid", std::nullopt},
}};
const Layout kTwoColumns = {Column::English, Column::Spanish};
const Layout kThreeColumns = {Column::Category, Column::English, Column::Spanish};
const Layout kCategoryLast = {Column::English, Column::Spanish, Column::Category};

const std::string kNamedTwice =
    "a header line names the columns category, english and spanish, or english and spanish, each once";

size_t withoutEmptyEnd(const std::vector<std::string>& fields, size_t least)
{
    size_t count = fields.size();
    while (count > least && fields[count - 1].empty()) --count;
    return count;
}

enum class Naming { NoNames, Named, Wrong };

// Takes the columns `names` names into the shape, where every field not left out names one.
Naming nameColumns(const std::vector<std::string>& names, ListShape& shape)
{
    const size_t count = withoutEmptyEnd(names, 0);
    if (count == 0) return Naming::NoNames;
    Layout layout;
    std::set<size_t> leftOut = shape.leftOut;
    for (size_t field = 0; field < count; ++field) {
        if (leftOut.contains(field)) continue;
        const std::string name = asciiLower(trimmed(names[field]));
        const auto known = std::find_if(kColumnNames.begin(), kColumnNames.end(),
                                        [&name](const auto& column) { return column.first == name; });
        if (known == kColumnNames.end()) return Naming::NoNames;
        if (known->second) {
            layout.push_back(*known->second);
        } else {
            leftOut.insert(field);
        }
    }
    Layout columns = layout;
    std::sort(columns.begin(), columns.end());
    if (columns != kTwoColumns && columns != kThreeColumns) return Naming::Wrong;
    shape.layout = std::move(layout);
    shape.leftOut = std::move(leftOut);
    return Naming::Named;
}

// "#columns:"'s names, split as the lines are, or at blanks where the value holds no separator.
std::vector<std::string> columnsOfHeader(const std::string& value, const std::string& separator)
{
    const bool bySeparator = value.find(separator) != std::string::npos;
    RecordReader reader(value, bySeparator ? separator : " ");
    Record names;
    if (!reader.next(names)) return {};
    if (!bySeparator) std::erase_if(names.fields, [](const std::string& name) { return name.empty(); });
    return names.fields;
}

// At most some 40 bytes of `text`, cut between characters.
std::string shortened(const std::string& text)
{
    constexpr size_t kShown = 40;
    if (text.size() <= kShown) return text;
    size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut) + "...";
}

std::string separatorName(const std::string& separator)
{
    if (separator == "\t") return "tabs";
    if (separator == ";") return "semicolons";
    if (separator == ",") return "commas";
    return "\"" + separator + "\"";
}

}  // namespace

std::string_view columnName(Column column)
{
    switch (column) {
    case Column::Category: return "category";
    case Column::English: return "english";
    case Column::Spanish: return "spanish";
    }
    return {};
}

bool hasCategory(const Layout& layout)
{
    return std::find(layout.begin(), layout.end(), Column::Category) != layout.end();
}

void takeWordFields(const Record& record, const ListShape& shape, std::vector<std::string>& fields)
{
    fields.clear();
    for (size_t field = 0; field < record.fields.size(); ++field) {
        if (shape.leftOut.contains(field)) continue;
        const std::string& text = record.fields[field];
        if (shape.html) {
            fields.push_back(textOfHtml(text));
        } else {
            fields.emplace_back(shape.typedByHand() ? trimmed(text) : text);
        }
    }
    fields.resize(withoutEmptyEnd(fields, shape.layout.size()));
}

ListShape listShape(std::string_view text, const ListHeader& header)
{
    ListShape shape;
    shape.bodyStart = header.bodyStart;
    shape.bodyLine = header.bodyLine;
    const std::string_view body = text.substr(header.bodyStart);
    shape.separator = header.separator ? std::string(1, *header.separator) : separatorOf(body);
    shape.html = header.html;
    shape.leftOut = header.leftOut;
    if (header.columns && nameColumns(columnsOfHeader(*header.columns, shape.separator), shape) == Naming::Wrong) {
        shape.note = {Diagnostic::Kind::Error, header.columnsLine, kNamedTwice};
        return shape;
    }

    // Whether the category may be last is known only once every line has been looked at.
    bool categoryLast = false;
    RecordReader reader(body, shape.separator, shape.bodyLine);
    Record record;
    std::vector<std::string> fields;
    while (reader.next(record)) {
        if (!record.quoteProblem.empty()) continue;
        takeWordFields(record, shape, fields);
        if (std::all_of(fields.begin(), fields.end(), isBlank)) continue;
        if (shape.firstLine == 0) {
            shape.firstLine = record.line;
            if (shape.layout.empty()) {
                const Naming naming = nameColumns(record.fields, shape);
                if (naming == Naming::Wrong) {
                    shape.note = {Diagnostic::Kind::Error, record.line, kNamedTwice};
                    return shape;
                }
                shape.firstLineNames = naming == Naming::Named;
                if (shape.firstLineNames) continue;
                shape.layout = shape.typedByHand() || fields.size() == kTwoColumns.size() ? kTwoColumns : kThreeColumns;
                categoryLast = shape.layout == kThreeColumns && !shape.typedByHand();
                takeWordFields(record, shape, fields);  // the empty fields the layout holds are its own
            }
        }
        shape.fitting += fields.size() == shape.layout.size();
        categoryLast = categoryLast && !offeredCategory(fields.front()) && offeredCategory(fields.back());
    }
    if (categoryLast) {
        shape.layout = kCategoryLast;
        shape.note = {Diagnostic::Kind::Warning, shape.firstLine,
                      "every line ends in a category the program offers and starts with none, so the columns are "
                      "read as english, spanish, category"};
    }
    return shape;
}

std::string fieldCountProblem(const std::vector<std::string>& fields, const ListShape& shape)
{
    const size_t expected = shape.layout.size();
    std::string columns;
    for (const Column column : shape.layout) columns += (columns.empty() ? "" : ", ") + std::string(columnName(column));
    std::string text = "expected " + std::to_string(expected) + " fields (" + columns + ") separated by " +
                       separatorName(shape.separator) + ", found " + std::to_string(fields.size());
    if (fields.size() <= expected) return text;
    // Text in a spreadsheet's column further right stands after an empty one; a separator
    // inside a text splits it where every field holds something.
    const auto empty = std::find_if(fields.begin() + static_cast<std::ptrdiff_t>(expected) - 1, fields.end(),
                                    [](const std::string& field) { return field.empty(); });
    if (empty != fields.end()) {
        const auto stray = std::find_if(empty, fields.end(), [](const std::string& field) { return !field.empty(); });
        return text + "; \"" + shortened(*stray) + "\" stands in a column after the " +
               std::string(columnName(shape.layout.back())) + " one: delete it there";
    }
    if (shape.separator == "," || shape.separator == ";") {
        text += "; a text that holds " + std::string(shape.separator == ";" ? "a semicolon" : "a comma") +
                " belongs in double quotes";
    }
    return text;
}

}  // namespace vorlix::wordbase
