// dBase III files of the system's writer, read back by two independent readers.
#include "platform/dbase/DbaseTable.h"
#include "platform/runtime/Date.h"
#include "support/DbfReaders.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ksiega;
using namespace ksiega::dbase;
using ksiega::test::DbfContents;
using ksiega::test::DbfField;

namespace {

Money zl(const char* text) { return Money::parseOrThrow(QString::fromLatin1(text)); }

std::vector<Field> sampleFields() {
    return {{QStringLiteral("REGON"), FieldType::Character, 14},
            {QStringLiteral("ID_JB"), FieldType::Numeric, 15, 0},
            {QStringLiteral("DAT_SKW"), FieldType::Date},
            {QStringLiteral("R1"), FieldType::Numeric, 15, 2}};
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

} // namespace

TEST(DbaseTable, FileReadsBackExactlyWithBothReaders) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("W6B60101.dbf"));
    Table t(sampleFields());
    const int reportDay = date::fromYmd(2026, 6, 30);
    t.addRecord({QStringLiteral("123456785"), int64_t(123), DayNumber{reportDay}, zl("0")});
    t.addRecord({QString(), int64_t(0), DayNumber{0}, zl("-10.50")});
    t.addRecord({QStringLiteral("12345678512347"), int64_t(999999999999999), DayNumber{reportDay}, zl("999999999999.99")});
    t.addRecord({QStringLiteral("X"), int64_t(-99999999999999), DayNumber{reportDay}, zl("-99999999999.99")});
    const QDate today(2026, 12, 7);
    writeFile(path, t, {today});

    const QByteArray raw = readAll(path);
    ASSERT_EQ(raw.size(), t.headerLength() + 4 * t.recordLength() + 1);
    EXPECT_EQ(raw.at(t.headerLength() - 1), '\x0D');
    EXPECT_EQ(raw.back(), '\x1A');
    EXPECT_EQ(raw.mid(t.headerLength(), t.recordLength()),
              QByteArray(" 123456785                 123") + "20260630" + "           0.00");

    const DbfContents a = test::readWithDbfread(path);
    EXPECT_EQ(a.version, 3);
    EXPECT_EQ(a.date, today);
    EXPECT_EQ(a.recordCount, 4);
    EXPECT_EQ(a.headerLength, 32 + 4 * 32 + 1);
    EXPECT_EQ(a.recordLength, 1 + 14 + 15 + 8 + 15);
    EXPECT_EQ(a.languageDriver, 0);
    const std::vector<DbfField> fields{{"REGON", 'C', 14, 0}, {"ID_JB", 'N', 15, 0}, {"DAT_SKW", 'D', 8, 0}, {"R1", 'N', 15, 2}};
    EXPECT_EQ(a.fields, fields);
    ASSERT_EQ(a.records.size(), 4u);
    EXPECT_EQ(a.records[0]["R1"], "0.00");
    EXPECT_EQ(a.records[0]["DAT_SKW"], "2026-06-30");
    EXPECT_EQ(a.records[1]["R1"], "-10.50");
    EXPECT_EQ(a.records[1]["REGON"], "");
    EXPECT_EQ(a.records[2]["R1"], "999999999999.99");
    EXPECT_EQ(a.records[2]["ID_JB"], "999999999999999");
    EXPECT_EQ(a.records[3]["R1"], "-99999999999.99");

    const DbfContents o = test::readWithOgrinfo(path);
    EXPECT_EQ(o.recordCount, 4);
    EXPECT_EQ(o.date, today);
    const std::vector<DbfField> ogrFields{{"REGON", 'C', 14, 0}, {"ID_JB", 'N', 15, 0}, {"DAT_SKW", 'D', 0, 0}, {"R1", 'N', 15, 2}};
    EXPECT_EQ(o.fields, ogrFields);
    ASSERT_EQ(o.records.size(), 4u);
    EXPECT_EQ(o.records[0]["R1"], "0.00");
    EXPECT_EQ(o.records[1]["R1"], "-10.50");
    EXPECT_EQ(o.records[3]["R1"], "-99999999999.99");
    EXPECT_EQ(o.records[2]["REGON"], "12345678512347");
    EXPECT_EQ(o.records[2]["DAT_SKW"], "2026-06-30");

    // A table without records is a valid file too.
    const QString empty = dir.filePath(QStringLiteral("empty.dbf"));
    writeFile(empty, Table(sampleFields()));
    EXPECT_EQ(test::readWithDbfread(empty).recordCount, 0);
    EXPECT_EQ(test::readWithDbfread(empty).date, QDate::currentDate());
    EXPECT_EQ(test::readWithOgrinfo(empty).recordCount, 0);
}

TEST(DbaseTable, ValuesThatDoNotFitAreRefusedNotCut) {
    Table t(sampleFields());
    const auto add = [&](Value regon, Value id, Value amount) { t.addRecord({regon, id, DayNumber{0}, amount}); };
    EXPECT_THROW(add(QString(), int64_t(0), zl("1000000000000.00")), DbaseError);   // 16 characters
    EXPECT_THROW(add(QString(), int64_t(0), zl("-100000000000.00")), DbaseError);
    EXPECT_THROW(add(QString(), int64_t(1000000000000000), zl("0")), DbaseError);
    EXPECT_THROW(add(QStringLiteral("123456789012345"), int64_t(0), zl("0")), DbaseError);
    EXPECT_THROW(add(QStringLiteral("Łódź"), int64_t(0), zl("0")), DbaseError);
    EXPECT_THROW(add(zl("1"), int64_t(0), zl("0")), DbaseError);                   // wrong kind of value
    EXPECT_THROW(add(QString(), zl("1"), zl("0")), DbaseError);                    // an amount in a whole-number field
    EXPECT_THROW(t.addRecord({QString()}), DbaseError);
    EXPECT_EQ(t.recordCount(), 0);
    EXPECT_THROW(Table({{QStringLiteral("NAZWA_ZA_DLUGA"), FieldType::Character, 5}}), DbaseError);
    EXPECT_THROW(Table({{QStringLiteral("R1"), FieldType::Numeric, 20, 2}}), DbaseError);
}

TEST(DbaseTable, FailureLeavesOldFileAndNoPartialFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("D6A60101.dbf"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("OLD");
    }
    Table t(sampleFields());
    for (int i = 0; i < 5; ++i) t.addRecord({QStringLiteral("1"), int64_t(i), DayNumber{0}, zl("1.00")});

    WriteOptions failing;
    failing.afterRecord = [](int n) {
        if (n == 3) throw DbaseError(QStringLiteral("disk full"));
    };
    EXPECT_THROW(writeFile(path, t, failing), DbaseError);
    EXPECT_EQ(readAll(path), QByteArray("OLD"));
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("D6A60101.dbf")});

    // A fresh name: nothing at all is left.
    const QString fresh = dir.filePath(QStringLiteral("fresh.dbf"));
    EXPECT_THROW(writeFile(fresh, t, failing), DbaseError);
    EXPECT_FALSE(QFile::exists(fresh));

    // A folder nobody may write into (procfs refuses even the superuser).
    EXPECT_THROW(writeFile(QStringLiteral("/proc/self/x.dbf"), t), DbaseError);
    EXPECT_THROW(writeFile(dir.filePath(QStringLiteral("missing/x.dbf")), t), DbaseError);

    // The complete write replaces the old file.
    writeFile(path, t);
    EXPECT_EQ(test::readWithDbfread(path).recordCount, 5);
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("D6A60101.dbf")});
}
