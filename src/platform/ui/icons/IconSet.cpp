#include "platform/ui/icons/IconSet.h"
#include <QFile>
#include <QHash>
#include <QLoggingCategory>
#include <QMutex>
#include <QPainter>
#include <QPixmap>

Q_LOGGING_CATEGORY(lcIcons, "ksiega.icons")

namespace ksiega::icons {

QString normalizedName(const QString& name) {
    QString n = name.trimmed().toLower();
    while (n.startsWith(QLatin1Char('~'))) n.remove(0, 1);
    if (n.endsWith(QLatin1String(".ico"))) n.chop(4);
    return n;
}

std::optional<QString> resourcePath(const QString& name) {
    const QString path = QStringLiteral(":/icons/") + normalizedName(name) + QStringLiteral(".svg");
    if (QFile::exists(path)) return path;
    return std::nullopt;
}

QIcon placeholder() {
    QPixmap pm(16, 16);
    pm.fill(QColor(220, 0, 0));
    QPainter p(&pm);
    p.setPen(Qt::white);
    p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("?"));
    return QIcon(pm);
}

QIcon byName(const QString& name) {
    static QMutex mutex;
    static QHash<QString, QIcon> cache;
    const QString key = normalizedName(name);
    QMutexLocker lock(&mutex);
    auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    QIcon icon;
    if (auto path = resourcePath(name)) {
        icon = QIcon(*path);
    } else {
        qCWarning(lcIcons) << "no icon drawing for" << name;
        icon = placeholder();
    }
    cache.insert(key, icon);
    return icon;
}

} // namespace ksiega::icons
