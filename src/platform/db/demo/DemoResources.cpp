#include "platform/db/demo/DemoResources.h"
#include "platform/db/DbError.h"
#include <QFile>

namespace ksiega::db::demo {

std::vector<QStringList> readDemoTable(const QString& name) {
    QFile file(QStringLiteral(":/demo/") + name);
    if (!file.open(QIODevice::ReadOnly)) throw DbError(QStringLiteral("Brak pliku danych demonstracyjnych %1").arg(name));
    std::vector<QStringList> rows;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QChar('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QChar('#'))) continue;
        rows.push_back(line.split(QChar(';')));
    }
    return rows;
}

} // namespace ksiega::db::demo
