// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

namespace vorlix {

// A vertical scroll bar drawn as the small spin control the dialog was designed with: its two
// arrows share its whole height, the upper one above the lower one, with nothing between them.
// At that height the platform's styles squeeze the groove or a slider in between, which Windows'
// style draws as a black bar, at 144 DPI wider than the arrows.
class SpinArrowsStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
};

}  // namespace vorlix
