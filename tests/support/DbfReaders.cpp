#include "support/DbfReaders.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace ksiega::test {

namespace {

const char* kDbfreadScript = R"(
import json, sys, dbfread
class Raw(dbfread.FieldParser):
    def parseN(self, field, data):
        return data.decode('ascii').strip()
    def parseC(self, field, data):
        return data.decode('ascii').strip()
t = dbfread.DBF(sys.argv[1], parserclass=Raw, load=True, char_decode_errors='strict')
h = t.header
out = {
  'version': h.dbversion, 'year': h.year, 'month': h.month, 'day': h.day,
  'count': h.numrecords, 'headerlen': h.headerlen, 'recordlen': h.recordlen,
  'ldid': h.language_driver,
  'fields': [[f.name, f.type, f.length, f.decimal_count] for f in t.fields],
  'records': [{k: (v.isoformat() if hasattr(v, 'isoformat') else ('' if v is None else str(v))) for k, v in r.items()}
              for r in t.records],
}
print(json.dumps(out))
)";

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

DbfContents readWithDbfread(const QString& path) {
    DbfContents c;
    const QString out = run(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromLatin1(kDbfreadScript), path});
    const QJsonObject o = QJsonDocument::fromJson(out.toUtf8()).object();
    if (o.isEmpty()) return c;
    c.version = o["version"].toInt();
    const int year = o["year"].toInt();
    c.date = QDate(year < 1900 ? year + 1900 : year, o["month"].toInt(), o["day"].toInt());
    c.recordCount = o["count"].toInt();
    c.headerLength = o["headerlen"].toInt();
    c.recordLength = o["recordlen"].toInt();
    c.languageDriver = o["ldid"].toInt();
    for (const QJsonValue f : o["fields"].toArray()) {
        const QJsonArray a = f.toArray();
        c.fields.push_back({a[0].toString(), a[1].toString().at(0), a[2].toInt(), a[3].toInt()});
    }
    for (const QJsonValue r : o["records"].toArray()) {
        QMap<QString, QString> record;
        const QJsonObject ro = r.toObject();
        for (auto it = ro.begin(); it != ro.end(); ++it) record[it.key()] = it.value().toString();
        c.records.push_back(record);
    }
    return c;
}

DbfContents readWithOgrinfo(const QString& path) {
    DbfContents c;
    const QString out = run(QStringLiteral("ogrinfo"), {QStringLiteral("-ro"), QStringLiteral("-al"), path});
    static const QRegularExpression count(QStringLiteral("^Feature Count: (\\d+)$"));
    static const QRegularExpression updated(QStringLiteral("^\\s*DBF_DATE_LAST_UPDATE=(\\d{4}-\\d{2}-\\d{2})$"));
    static const QRegularExpression field(QStringLiteral("^(\\w+): (String|Real|Integer64|Integer|Date) \\((\\d+)\\.(\\d+)\\)$"));
    static const QRegularExpression feature(QStringLiteral("^OGRFeature\\("));
    static const QRegularExpression value(QStringLiteral("^  (\\w+) \\((\\w+)\\) = ?(.*)$"));
    for (const QString& line : out.split('\n')) {
        QRegularExpressionMatch m;
        if ((m = count.match(line)).hasMatch()) {
            c.recordCount = m.captured(1).toInt();
        } else if ((m = updated.match(line)).hasMatch()) {
            c.date = QDate::fromString(m.captured(1), Qt::ISODate);
        } else if ((m = field.match(line)).hasMatch() && c.records.empty()) {
            const QString t = m.captured(2);
            const QChar type = t == QLatin1String("String") ? 'C' : t == QLatin1String("Date") ? 'D' : 'N';
            c.fields.push_back({m.captured(1), type, type == 'D' ? 0 : m.captured(3).toInt(), m.captured(4).toInt()});
        } else if (feature.match(line).hasMatch()) {
            c.records.emplace_back();
        } else if ((m = value.match(line)).hasMatch() && !c.records.empty()) {
            QString v = m.captured(3).trimmed();
            if (m.captured(2) == QLatin1String("Date")) v.replace('/', '-');
            c.records.back()[m.captured(1)] = v;
        }
    }
    return c;
}

} // namespace ksiega::test
