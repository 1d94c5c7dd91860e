// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/word_window/bound_label.h"

namespace vorlix {

BoundLabel::BoundLabel(const QString& dataField, QWidget* parent) : QLabel(parent), dataField_(dataField) {}

void BoundLabel::takeValue(const Recordset& words)
{
    const std::string_view value = words.value(words.columnIndex(dataField_.toStdString()));
    setText(QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

}  // namespace vorlix
