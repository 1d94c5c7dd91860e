// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "delimited_records.h"

#include <algorithm>
#include <array>

namespace vorlix::wordbase {
namespace {

// How people separate the two words of a pair when they type a list by hand.
constexpr std::array<std::string_view, 3> kTypedSeparators = {" - ", " = ", " \u2013 "};

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

}  // namespace

bool RecordReader::atLineEnd() const
{
    return at_ >= text_.size() || isLineEnd(text_[at_]);
}

bool RecordReader::atSeparator() const
{
    return text_.substr(at_).starts_with(separator_);
}

void RecordReader::passLineEnd()
{
    if (at_ < text_.size() && text_[at_] == '\r') ++at_;
    if (at_ < text_.size() && text_[at_] == '\n') ++at_;
    ++line_;
}

void RecordReader::passPlainField()
{
    const char stops[] = {'\r', '\n', separator_.front(), '\0'};
    for (at_ = std::min(text_.find_first_of(stops, at_), text_.size()); !atLineEnd() && !atSeparator();)
        at_ = std::min(text_.find_first_of(stops, at_ + 1), text_.size());
}

void RecordReader::passLine()
{
    while (!atLineEnd()) ++at_;
    passLineEnd();
}

bool RecordReader::next(Record& record)
{
    while (at_ < text_.size()) {
        if (isLineEnd(text_[at_])) {
            passLine();
            continue;
        }
        read(record);
        const auto empty = [](const std::string& field) { return field.empty(); };
        const bool quotedComment = record.quoteProblem.empty() && record.fields.front().starts_with('#') &&
                                   std::all_of(record.fields.begin() + 1, record.fields.end(), empty);
        if (atHead_ && quotedComment) continue;
        atHead_ = false;
        return true;
    }
    return false;
}

void RecordReader::read(Record& record)
{
    record.line = line_;
    record.quoteProblem.clear();
    size_t count = 0;
    while (true) {
        if (count == record.fields.size()) record.fields.emplace_back();
        std::string& field = record.fields[count++];
        field.clear();
        if (at_ < text_.size() && text_[at_] == '"') {
            readQuoted(field, record);
        } else {
            const size_t start = at_;
            passPlainField();
            field.assign(text_.substr(start, at_ - start));
        }
        if (record.quoteProblem.empty() && !atLineEnd() && atSeparator()) {
            at_ += separator_.size();
            continue;
        }
        passLine();  // past the rest of the line after a quote problem
        record.fields.resize(count);
        return;
    }
}

void RecordReader::readQuoted(std::string& field, Record& record)
{
    const int opened = line_;
    ++at_;
    while (true) {
        const size_t quote = text_.find('"', at_);
        for (size_t c = text_.find_first_of("\r\n", at_); c < quote; c = text_.find_first_of("\r\n", c + 1)) {
            if (text_[c] == '\n' || c + 1 >= text_.size() || text_[c + 1] != '\n') ++line_;
        }
        if (quote == std::string_view::npos) {
            at_ = text_.size();
            record.quoteProblem = "the quoted field opened on line " + std::to_string(opened) + " is never closed";
            return;
        }
        field.append(text_.substr(at_, quote - at_));
        at_ = quote + 1;
        if (at_ < text_.size() && text_[at_] == '"') {
            field += '"';
            ++at_;
            continue;
        }
        if (!atLineEnd() && !atSeparator()) {
            record.quoteProblem =
                "text follows the closing quote of a quoted field; a quote inside it is written twice (\"\")";
        }
        return;
    }
}

std::string separatorOf(std::string_view body)
{
    if (body.find_first_of("\t,;") == std::string_view::npos) {
        // The one the list uses first, which a line that lacks it then shows as an error.
        const auto first =
            std::min_element(kTypedSeparators.begin(), kTypedSeparators.end(),
                             [&body](std::string_view a, std::string_view b) { return body.find(a) < body.find(b); });
        if (body.find(*first) != std::string_view::npos) return std::string(*first);
    }
    size_t tabs = 0, semicolons = 0, commas = 0;
    bool quoted = false;
    for (size_t at = 0; at < body.size() && (quoted || !isLineEnd(body[at])); ++at) {
        const char c = body[at];
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        tabs += c == '\t';
        semicolons += c == ';';
        commas += c == ',';
    }
    if (tabs > 0) return "\t";
    return semicolons > commas ? ";" : ",";
}

}  // namespace vorlix::wordbase
