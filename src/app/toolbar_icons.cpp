#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

static void InitToolbarResources() { Q_INIT_RESOURCE(toolbar); }

namespace rovex {

QIcon ToolbarIcon(const char* name) {
  InitToolbarResources();
  QSvgRenderer svg(QStringLiteral(":/toolbar/%1.svg").arg(QString::fromLatin1(name)));
  QIcon icon;
  if (!svg.isValid()) return icon;
  for (int size : {24, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    svg.render(&p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace rovex
