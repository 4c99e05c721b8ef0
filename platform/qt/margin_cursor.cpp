#include "platform/qt/margin_cursor.h"

#include <QPixmap>

#include "resources/margin_cursor.xpm"

namespace wendax {

QCursor MakeMarginCursor() {
    return QCursor(QPixmap(margin_cursor_xpm), 11, 0);
}

}  // namespace wendax
