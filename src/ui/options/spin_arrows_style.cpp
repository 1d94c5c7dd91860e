// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/options/spin_arrows_style.h"

#include <QStyleOptionComplex>

namespace vorlix {

QRect SpinArrowsStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                      const QWidget* widget) const
{
    if (control != CC_ScrollBar) return QProxyStyle::subControlRect(control, option, part, widget);
    const QRect whole = option->rect;
    const int upper = whole.height() / 2;
    switch (part) {
    case SC_ScrollBarSubLine: return QRect(whole.left(), whole.top(), whole.width(), upper);
    case SC_ScrollBarAddLine: return QRect(whole.left(), whole.top() + upper, whole.width(), whole.height() - upper);
    default:
        // The groove, the slider and the pages take no room: nothing of them is drawn, and no
        // click lands on them.
        return QRect();
    }
}

}  // namespace vorlix
