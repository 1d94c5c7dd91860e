// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace vorlix::wordbase {

// The text an HTML field shows, on one line, as a flash-card program keeps its fields: tags left
// out, white space and line breaks (<br>, <div>, <p>, <li>) as one blank, no blanks around it,
// and the entities it writes (&amp; &lt; &gt; &quot; &apos; &nbsp; and the numbered ones) as their
// characters. An entity it does not know stays as it is written.
std::string textOfHtml(std::string_view html);

}  // namespace vorlix::wordbase
