// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/program_arguments.h"

namespace vorlix {

std::optional<int> answerProgramArguments(int, char*[], const std::string&)
{
    return std::nullopt;  // a windowed program: any argument starts it, as before
}

}  // namespace vorlix
