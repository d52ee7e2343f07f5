#pragma once
// Machine output of the subcommands: CSV (a header line, one line per row, a text quoted
// only when it holds a comma, quote or line break) or a JSON array of objects; amounts
// with a dot and two decimals, written as exact JSON numbers.
#include "host/Subcommands.h"
#include "platform/runtime/Money.h"
#include <QTextStream>
#include <QVector>
#include <initializer_list>

namespace ksiega::host {

class MachineTable {
public:
    enum class Format { Csv, Json };
    // --format csv|json (csv when absent); anything else is a usage error.
    static Format formatArgument(const Arguments& args);

    // columns: the text column first, then the whole-number columns, then the amount columns.
    MachineTable(QTextStream& out, Format format, QStringList columns);
    void addRow(const QString& text, std::initializer_list<Money> amounts) { addRow(text, {}, amounts); }
    void addRow(const QString& text, std::initializer_list<int64_t> wholes, std::initializer_list<Money> amounts);
    // A row of a table whose first texts.size() columns are texts.
    void addRow(const QStringList& texts, std::initializer_list<int64_t> wholes = {}, std::initializer_list<Money> amounts = {});
    void finish();

    // A text as a CSV field (quoted only when it must be) and as a JSON string.
    static QString csvField(const QString& text);
    static QString jsonString(const QString& text);

private:
    QTextStream& m_out;
    Format m_format;
    QStringList m_columns;
    bool m_first = true;
};

// Rows already formatted as texts under a header, for tables whose columns come in any
// order; the columns flagged numeric go out unquoted in JSON.
class TextRowTable {
public:
    TextRowTable(QTextStream& out, MachineTable::Format format, QStringList columns, QVector<bool> numeric);
    void add(const QStringList& values);
    void finish();

private:
    QTextStream& m_out;
    MachineTable::Format m_format;
    QStringList m_columns;
    QVector<bool> m_numeric;
    bool m_first = true;
};

// --currency as a three-letter symbol in upper case (PLN when absent).
QString currencyArgument(const Arguments& args);

} // namespace ksiega::host
