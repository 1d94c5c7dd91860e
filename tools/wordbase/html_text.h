// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace vorlix::wordbase {

// The text an HTML field shows, on one line, as a flash-card program shows its fields in a list:
// comments and tags left out whole (a '>' in a quoted attribute value too), pictures and sound
// references ("[sound:rain.mp3]") with them; white space, line breaks and the breaks between
// blocks, list items and table cells as one blank, and none at either end; HTML's named entities
// and numbered ones as their characters. An entity it does not know stays as it is written. Its
// time grows with the field's length alone, whatever the field holds.
std::string textOfHtml(std::string_view html);

}  // namespace vorlix::wordbase
