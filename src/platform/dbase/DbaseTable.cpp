#include "platform/dbase/DbaseTable.h"
#include "platform/runtime/Date.h"
#include <QFileInfo>
#include <algorithm>
#include <QSaveFile>

namespace ksiega::dbase {

namespace {

constexpr char kVersionDbase3 = 0x03;
constexpr char kHeaderEnd = 0x0D;
constexpr char kFileEnd = 0x1A;

QString describe(const Field& f) {
    if (f.type == FieldType::Numeric) return QStringLiteral("%1 N(%2,%3)").arg(f.name).arg(f.length).arg(f.decimals);
    return QStringLiteral("%1 %2(%3)").arg(f.name, QChar(char(f.type))).arg(f.length);
}

[[noreturn]] void refuse(const Field& f, const QString& value, const QString& why) {
    throw DbaseError(QStringLiteral("Wartość \"%1\" nie mieści się w polu %2: %3.").arg(value, describe(f), why));
}

void putLe16(QByteArray& b, int at, int v) {
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}

void putLe32(QByteArray& b, int at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xFF);
}

QByteArray rightAligned(const Field& f, const QString& digits) {
    if (digits.size() > f.length) refuse(f, digits, QStringLiteral("za długa liczba"));
    return QByteArray(f.length - digits.size(), ' ') + digits.toLatin1();
}

} // namespace

Table::Table(std::vector<Field> fields) : m_fields(std::move(fields)) {
    if (m_fields.empty() || m_fields.size() > 128) throw DbaseError(QStringLiteral("Tabela musi mieć od 1 do 128 pól."));
    int total = 1;
    for (Field& f : m_fields) {
        const bool nameOk = !f.name.isEmpty() && f.name.size() <= 10 &&
                            std::all_of(f.name.begin(), f.name.end(), [](QChar c) { return c.unicode() > 32 && c.unicode() < 127; });
        if (!nameOk) throw DbaseError(QStringLiteral("Niepoprawna nazwa pola \"%1\".").arg(f.name));
        switch (f.type) {
        case FieldType::Character:
            if (f.length < 1 || f.length > 254 || f.decimals != 0) throw DbaseError(QStringLiteral("Niepoprawne pole %1.").arg(describe(f)));
            break;
        case FieldType::Numeric:
            if (f.length < 1 || f.length > 19 || (f.decimals != 0 && f.decimals != 2) || (f.decimals == 2 && f.length < 4))
                throw DbaseError(QStringLiteral("Niepoprawne pole %1.").arg(describe(f)));
            break;
        case FieldType::Date:
            f.length = 8;
            f.decimals = 0;
            break;
        }
        total += f.length;
    }
    if (total > 4000) throw DbaseError(QStringLiteral("Rekord jest za długi (%1 znaków).").arg(total));
}

int Table::headerLength() const { return 32 + 32 * int(m_fields.size()) + 1; }

int Table::recordLength() const {
    int total = 1;   // the deletion flag
    for (const Field& f : m_fields) total += f.length;
    return total;
}

QByteArray Table::fieldText(const Field& f, const Value& value) {
    switch (f.type) {
    case FieldType::Character: {
        const QString* text = std::get_if<QString>(&value);
        if (!text) refuse(f, QString(), QStringLiteral("pole tekstowe wymaga tekstu"));
        if (text->size() > f.length) refuse(f, *text, QStringLiteral("za długi tekst"));
        for (QChar c : *text)
            if (c.unicode() < 32 || c.unicode() > 126) refuse(f, *text, QStringLiteral("znak spoza ASCII"));
        return text->toLatin1() + QByteArray(f.length - text->size(), ' ');
    }
    case FieldType::Numeric:
        if (const Money* m = std::get_if<Money>(&value)) {
            if (f.decimals != 2) refuse(f, m->toString(), QStringLiteral("kwota wymaga dwóch miejsc po przecinku"));
            return rightAligned(f, m->toString());
        }
        if (const int64_t* n = std::get_if<int64_t>(&value)) {
            if (f.decimals != 0) refuse(f, QString::number(*n), QStringLiteral("liczba całkowita w polu z miejscami po przecinku"));
            return rightAligned(f, QString::number(*n));
        }
        refuse(f, QString(), QStringLiteral("pole liczbowe wymaga liczby"));
    case FieldType::Date: {
        const DayNumber* d = std::get_if<DayNumber>(&value);
        if (!d) refuse(f, QString(), QStringLiteral("pole daty wymaga daty"));
        if (d->day == 0) return QByteArray(8, ' ');
        const QDate q = date::toQDate(d->day);
        if (!q.isValid() || q.year() < 1 || q.year() > 9999) refuse(f, QString::number(d->day), QStringLiteral("niepoprawna data"));
        return q.toString(QStringLiteral("yyyyMMdd")).toLatin1();
    }
    }
    refuse(f, QString(), QStringLiteral("nieznany typ pola"));
}

void Table::addRecord(const std::vector<Value>& values) {
    if (values.size() != m_fields.size())
        throw DbaseError(QStringLiteral("Rekord ma %1 wartości, tabela %2 pól.").arg(values.size()).arg(m_fields.size()));
    QByteArray record;
    record.reserve(recordLength());
    record += ' ';
    for (size_t i = 0; i < values.size(); ++i) record += fieldText(m_fields[i], values[i]);
    m_records.push_back(std::move(record));
}

QByteArray Table::header(const QDate& today) const {
    QByteArray h(headerLength(), '\0');
    h[0] = kVersionDbase3;
    h[1] = char(today.year() - 1900);
    h[2] = char(today.month());
    h[3] = char(today.day());
    putLe32(h, 4, uint32_t(m_records.size()));
    putLe16(h, 8, headerLength());
    putLe16(h, 10, recordLength());
    h[29] = char(kLanguageDriverAscii);
    int at = 32;
    for (const Field& f : m_fields) {
        const QByteArray name = f.name.toLatin1();
        for (int i = 0; i < name.size(); ++i) h[at + i] = name[i];
        h[at + 11] = char(f.type);
        h[at + 16] = char(f.length);
        h[at + 17] = char(f.decimals);
        at += 32;
    }
    h[at] = kHeaderEnd;
    return h;
}

void writeFile(const QString& path, const Table& table, const WriteOptions& options) {
    if (!options.today.isValid() || options.today.year() < 1900 || options.today.year() > 2155)
        throw DbaseError(QStringLiteral("Niepoprawna data nagłówka pliku."));
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw DbaseError(QStringLiteral("Nie można utworzyć pliku %1: %2").arg(QFileInfo(path).fileName(), file.errorString()));
    auto write = [&](const QByteArray& bytes) {
        if (file.write(bytes) != bytes.size())
            throw DbaseError(QStringLiteral("Błąd zapisu pliku %1: %2").arg(QFileInfo(path).fileName(), file.errorString()));
    };
    write(table.header(options.today));
    int n = 0;
    for (const QByteArray& record : table.records()) {
        write(record);
        ++n;
        if (options.afterRecord) options.afterRecord(n);
    }
    write(QByteArray(1, kFileEnd));
    // Until commit the target is untouched; a failure here removes the temporary file.
    if (!file.commit())
        throw DbaseError(QStringLiteral("Błąd zapisu pliku %1: %2").arg(QFileInfo(path).fileName(), file.errorString()));
}

} // namespace ksiega::dbase
