// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "delimited_records.h"

namespace vorlix::wordbase {
namespace {

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// Reads the text one record at a time, keeping count of the lines it passes.
class RecordReader {
public:
    RecordReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    bool atEnd() const { return at_ >= text_.size(); }

    // At the start of a line: passes over it when it is empty or a comment.
    bool skipNonRecord()
    {
        if (at_ < text_.size() && text_[at_] == '#') {
            while (at_ < text_.size() && !isLineEnd(text_[at_])) ++at_;
        } else if (at_ >= text_.size() || !isLineEnd(text_[at_])) {
            return false;
        }
        passLineEnd();
        return true;
    }

    Record next()
    {
        Record record{line_, {}, {}};
        while (true) {
            std::string field;
            if (at_ < text_.size() && text_[at_] == '"') {
                readQuoted(field, record);
            } else {
                while (at_ < text_.size() && text_[at_] != separator_ && !isLineEnd(text_[at_])) field += text_[at_++];
            }
            record.fields.push_back(std::move(field));
            if (at_ < text_.size() && text_[at_] == separator_ && record.quoteProblem.empty()) {
                ++at_;
                continue;
            }
            while (at_ < text_.size() && !isLineEnd(text_[at_])) ++at_;  // after a quote problem
            passLineEnd();
            return record;
        }
    }

private:
    void passLineEnd()
    {
        if (at_ < text_.size() && text_[at_] == '\r') ++at_;
        if (at_ < text_.size() && text_[at_] == '\n') ++at_;
        ++line_;
    }

    void readQuoted(std::string& field, Record& record)
    {
        const int opened = line_;
        ++at_;
        while (true) {
            if (at_ >= text_.size()) {
                record.quoteProblem = "the quoted field opened on line " + std::to_string(opened) + " is never closed";
                return;
            }
            const char c = text_[at_++];
            if (c == '"') {
                if (at_ < text_.size() && text_[at_] == '"') {
                    field += '"';
                    ++at_;
                    continue;
                }
                if (at_ < text_.size() && text_[at_] != separator_ && !isLineEnd(text_[at_])) {
                    record.quoteProblem =
                        "text follows the closing quote of a quoted field; a quote inside it is "
                        "written twice (\"\")";
                }
                return;
            }
            if (c == '\n' || (c == '\r' && (at_ >= text_.size() || text_[at_] != '\n'))) ++line_;
            field += c;
        }
    }

    std::string_view text_;
    char separator_;
    size_t at_ = 0;
    int line_ = 1;
};

// The separator of the first line that is a record, counted outside quotes.
char separatorOf(std::string_view text)
{
    size_t start = 0;
    while (start < text.size() && (isLineEnd(text[start]) || text[start] == '#')) {
        start = text.find_first_of("\r\n", start);
        if (start == std::string_view::npos) return ',';
        while (start < text.size() && isLineEnd(text[start])) ++start;
    }
    size_t tabs = 0, semicolons = 0, commas = 0;
    bool quoted = false;
    for (size_t at = start; at < text.size() && (quoted || !isLineEnd(text[at])); ++at) {
        const char c = text[at];
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        tabs += c == '\t';
        semicolons += c == ';';
        commas += c == ',';
    }
    if (tabs > 0) return '\t';
    return semicolons > commas ? ';' : ',';
}

}  // namespace

Records splitRecords(std::string_view text, std::optional<char> separator)
{
    Records result{separator ? *separator : separatorOf(text), {}};
    RecordReader reader(text, result.separator);
    while (!reader.atEnd()) {
        if (reader.skipNonRecord()) continue;
        Record record = reader.next();
        // A comment a spreadsheet saved again, in quotes because it holds a separator.
        if (record.quoteProblem.empty() && record.fields.front().starts_with('#')) continue;
        result.records.push_back(std::move(record));
    }
    return result;
}

}  // namespace vorlix::wordbase
