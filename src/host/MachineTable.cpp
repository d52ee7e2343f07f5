#include "host/MachineTable.h"
#include <QJsonDocument>
#include <QRegularExpression>
#include <QVariantList>

namespace ksiega::host {

MachineTable::Format MachineTable::formatArgument(const Arguments& args) {
    const QString format = args.option(QStringLiteral("format"), QStringLiteral("csv"));
    if (format == QLatin1String("csv")) return Format::Csv;
    if (format == QLatin1String("json")) return Format::Json;
    throw UsageError(QStringLiteral("--format must be csv or json"));
}

QString currencyArgument(const Arguments& args) {
    const QString currency = args.option(QStringLiteral("currency"), QStringLiteral("PLN")).trimmed().toUpper();
    if (currency.size() != 3) throw UsageError(QStringLiteral("--currency must be a three-letter symbol"));
    return currency;
}

MachineTable::MachineTable(QTextStream& out, Format format, QStringList columns)
    : m_out(out), m_format(format), m_columns(std::move(columns)) {
    if (m_format == Format::Csv) m_out << m_columns.join(',') << '\n';
    else m_out << '[';
}

QString MachineTable::csvField(const QString& text) {
    static const QRegularExpression special(QStringLiteral("[\",\\r\\n]"));
    QString t = text;
    if (t.contains(special)) t = '"' + t.replace('"', QStringLiteral("\"\"")) + '"';
    return t;
}

QString MachineTable::jsonString(const QString& text) {
    const QString json = QString::fromUtf8(QJsonDocument::fromVariant(QVariantList{text}).toJson(QJsonDocument::Compact));
    return json.mid(1, json.size() - 2);
}

void MachineTable::addRow(const QString& text, std::initializer_list<int64_t> wholes, std::initializer_list<Money> amounts) {
    addRow(QStringList{text}, wholes, amounts);
}

void MachineTable::addRow(const QStringList& texts, std::initializer_list<int64_t> wholes, std::initializer_list<Money> amounts) {
    if (m_format == Format::Csv) {
        QStringList fields;
        for (const QString& t : texts) fields << csvField(t);
        m_out << fields.join(',');
        for (int64_t n : wholes) m_out << ',' << n;
        for (Money m : amounts) m_out << ',' << m.toString();
        m_out << '\n';
    } else {
        m_out << (m_first ? "\n" : ",\n") << "  {";
        int column = 0;
        for (const QString& t : texts) {
            m_out << (column ? "," : "") << '"' << m_columns.value(column) << "\":" << jsonString(t);
            ++column;
        }
        for (int64_t n : wholes) m_out << ",\"" << m_columns.value(column++) << "\":" << n;
        for (Money m : amounts) m_out << ",\"" << m_columns.value(column++) << "\":" << m.toString();
        m_out << '}';
    }
    m_first = false;
}

void MachineTable::finish() {
    if (m_format == Format::Json) m_out << (m_first ? "]\n" : "\n]\n");
}

TextRowTable::TextRowTable(QTextStream& out, MachineTable::Format format, QStringList columns, QVector<bool> numeric)
    : m_out(out), m_format(format), m_columns(std::move(columns)), m_numeric(std::move(numeric)) {
    if (m_format == MachineTable::Format::Csv) {
        QStringList header;
        for (const QString& c : m_columns) header << MachineTable::csvField(c);
        m_out << header.join(',') << '\n';
    } else {
        m_out << '[';
    }
}

void TextRowTable::add(const QStringList& values) {
    if (m_format == MachineTable::Format::Csv) {
        QStringList line;
        for (const QString& v : values) line << MachineTable::csvField(v);
        m_out << line.join(',') << '\n';
    } else {
        m_out << (m_first ? "\n  {" : ",\n  {");
        for (int i = 0; i < values.size(); ++i) {
            if (i) m_out << ',';
            m_out << MachineTable::jsonString(m_columns.value(i)) << ':'
                  << (m_numeric.value(i) ? values[i] : MachineTable::jsonString(values[i]));
        }
        m_out << '}';
    }
    m_first = false;
}

void TextRowTable::finish() {
    if (m_format == MachineTable::Format::Json) m_out << (m_first ? "]\n" : "\n]\n");
}

} // namespace ksiega::host
