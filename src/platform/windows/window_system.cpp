#include <QWidget>

#include "platform/platform.h"

namespace vorlix {

QPoint windowPosition(const QWidget& window)
{
    // Qt's record follows every move Windows makes.
    return window.pos();
}

}  // namespace vorlix
