// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/today.h"

#include <QDate>

namespace vorlix {

Day today()
{
    const QByteArray set = qgetenv("VORLIX_TODAY");
    if (const std::optional<Day> day = dayFromText(std::string_view(set.constData(), size_t(set.size())))) return *day;
    const QDate date = QDate::currentDate();
    return Day(std::chrono::year_month_day{std::chrono::year{date.year()}, std::chrono::month{unsigned(date.month())},
                                           std::chrono::day{unsigned(date.day())}});
}

}  // namespace vorlix
