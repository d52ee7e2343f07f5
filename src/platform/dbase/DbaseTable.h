#pragma once
// dBase III tables written by the system: field descriptors, records formatted and checked
// as they are added, and the whole file written in one go.
//
// Every value is turned into the field's text when the record is added, so that a value
// that does not fit (a number longer than its field, a text longer than its field, a
// character outside ASCII) is refused before any byte of the file exists. Numbers are
// written from exact values (Money for two decimals, whole numbers for none) as text: no
// floating point anywhere, a zero written as "0.00", never blank, never cut.
//
// The file goes to a temporary file in the target folder and takes the target's name only
// when it is complete: a failure leaves an old file of that name untouched and no partial
// file behind.
#include "platform/runtime/Money.h"
#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <variant>
#include <vector>

namespace ksiega::dbase {

// What went wrong, in words a person can read (the value and the field it was meant for,
// or the file and the system's reason).
class DbaseError : public std::runtime_error {
public:
    explicit DbaseError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

enum class FieldType : char { Character = 'C', Numeric = 'N', Date = 'D' };

struct Field {
    QString name;        // up to 10 ASCII characters
    FieldType type = FieldType::Character;
    int length = 1;      // C 1..254, N 1..19, D always 8
    int decimals = 0;    // N only: 0 or 2
};

// A date as a day number of the runtime's calendar (0 = blank).
struct DayNumber {
    int day = 0;
};

// One value of a record: a text (C), an amount (N with 2 decimals), a whole number (N with
// no decimals) or a date (D). An empty text blanks a C field; nothing else may be blank.
using Value = std::variant<QString, Money, int64_t, DayNumber>;

// The language-driver byte of the header: the code page of the texts in the file. Only
// ASCII texts are written, so the byte says "no national code page" (0x00) and every text
// character outside printable ASCII is refused.
inline constexpr uint8_t kLanguageDriverAscii = 0x00;

class Table {
public:
    // Throws DbaseError for a field the format cannot hold.
    explicit Table(std::vector<Field> fields);

    const std::vector<Field>& fields() const { return m_fields; }
    int recordCount() const { return int(m_records.size()); }
    int headerLength() const;
    int recordLength() const;

    // Formats and checks one record (one value per field, in the fields' order). Throws
    // DbaseError naming the field and the value when one does not fit; the table is then
    // unchanged.
    void addRecord(const std::vector<Value>& values);

    // The text a value takes in its field (exactly the field's length). Throws DbaseError.
    static QByteArray fieldText(const Field& field, const Value& value);

    // The whole file: header dated `today`, descriptors, 0x0D, the records, 0x1A.
    QByteArray header(const QDate& today) const;
    const std::vector<QByteArray>& records() const { return m_records; }

private:
    std::vector<Field> m_fields;
    std::vector<QByteArray> m_records;
};

struct WriteOptions {
    QDate today = QDate::currentDate();
    // Called after each record is written (its 1-based number); may throw to stop the
    // write, which then leaves nothing behind.
    std::function<void(int record)> afterRecord;
};

// Writes the table to `path` through a temporary file in the same folder, renamed over the
// target only when every byte is on disk. Throws DbaseError (the old file, if any, is kept
// and no temporary file is left) or whatever afterRecord throws (likewise).
void writeFile(const QString& path, const Table& table, const WriteOptions& options = {});

} // namespace ksiega::dbase
