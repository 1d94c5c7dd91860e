#include "ui/word_window/bound_label.h"

namespace vorlix {

BoundLabel::BoundLabel(const QString& dataField, QWidget* parent) : QLabel(parent), dataField_(dataField) {}

void BoundLabel::takeValue(const Recordset& words)
{
    setText(QString::fromStdString(words.value(words.columnIndex(dataField_.toStdString()))));
}

}  // namespace vorlix
