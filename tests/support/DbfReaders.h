#pragma once
// dBase files read back by two readers that share no code with the system's writer: the
// Python package dbfread (numbers taken as the text they are stored as, so that amounts
// are compared to the grosz) and GDAL's ogrinfo. A reader that fails or is missing fails
// the test.
#include <QDate>
#include <QMap>
#include <QString>
#include <vector>

namespace ksiega::test {

struct DbfField {
    QString name;
    QChar type;        // 'C', 'N', 'D'
    int length = 0;    // ogrinfo: 0 for dates (it reports its own width)
    int decimals = 0;
    bool operator==(const DbfField&) const = default;
};

struct DbfContents {
    int version = -1;           // dbfread only
    QDate date;                 // the header's date of last update
    int recordCount = -1;       // from the header (dbfread) or "Feature Count" (ogrinfo)
    int headerLength = -1;      // dbfread only
    int recordLength = -1;      // dbfread only
    int languageDriver = -1;    // dbfread only
    std::vector<DbfField> fields;
    std::vector<QMap<QString, QString>> records;   // numbers as "-10.50", dates as "2026-06-30", texts trimmed
};

DbfContents readWithDbfread(const QString& path);
DbfContents readWithOgrinfo(const QString& path);

} // namespace ksiega::test
