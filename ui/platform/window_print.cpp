#include "window_print.h"

#include <QPageLayout>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

namespace orven {

bool printWidget(QWidget& window, QPrinter& printer) {
    // A widget rendered straight onto a printer goes through one large image; recorded as
    // painting commands first, its texts reach the printer as text.
    QPicture picture;
    window.render(&picture);
    printer.setPageOrientation(window.width() > window.height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    const double scale = std::min(static_cast<double>(page.width()) / window.width(),
                                  static_cast<double>(page.height()) / window.height());
    // A picture plays back at the printer's resolution by itself: take that out of the scale.
    painter.scale(scale * picture.logicalDpiX() / printer.logicalDpiX(),
                  scale * picture.logicalDpiY() / printer.logicalDpiY());
    painter.drawPicture(0, 0, picture);
    return painter.end();
}

}  // namespace orven
