// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QString>

#include "words/recordset.h"

namespace vorlix {

// A label that shows one column of the word set's current row. It takes the row's value first and
// raises Change afterwards, so that a change handler reads every bound label already up to date.
class BoundLabel : public QLabel {
    Q_OBJECT
public:
    BoundLabel(const QString& dataField, QWidget* parent);

    const QString& dataField() const { return dataField_; }
    void takeValue(const Recordset& words);
    void raiseChange() { emit Change(); }

signals:
    void Change();

private:
    QString dataField_;
};

}  // namespace vorlix
