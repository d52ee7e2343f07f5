#include "budget/export/ExportCodes.h"
#include "platform/runtime/Date.h"
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace ksiega::budget {

namespace {

const QString kHex = QStringLiteral("0123456789ABCDEF");

bool isTwoDigits(const QString& code, int low, int high) {
    static const QRegularExpression two(QStringLiteral("^[0-9]{2}$"));
    if (!two.match(code).hasMatch()) return false;
    const int n = code.toInt();
    return n >= low && n <= high;
}

bool isDigitOrEmpty(const QString& code) {
    static const QRegularExpression one(QStringLiteral("^[0-9]?$"));
    return one.match(code).hasMatch();
}

bool missing(const QString& code) { return code.trimmed().isEmpty() || code.trimmed() == QLatin1String("?"); }

// REGON without blanks and dashes: 9 or 14 digits.
bool isRegon(const QString& regon) {
    static const QRegularExpression digits(QStringLiteral("^([0-9]{9}|[0-9]{14})$"));
    return digits.match(regon).hasMatch();
}

[[noreturn]] void refuse(const QString& text) { throw ExportRefused(text); }

} // namespace

void checkExportForm(const BudgetExportForm& form, int from, int to) {
    if (form.side != QLatin1String("W") && form.side != QLatin1String("D"))
        refuse(QStringLiteral("Niepoprawna strona klasyfikacji: \"%1\" (dozwolone W lub D).").arg(form.side));
    if (form.format != QLatin1String("BESTIA") && form.format != QLatin1String("JB") && form.format != QLatin1String("JST"))
        refuse(QStringLiteral("Niepoprawny rodzaj eksportu: \"%1\".").arg(form.format));
    if (missing(form.kodWojewodztwa)) refuse(QStringLiteral("Proszę wypełnić kod województwa."));
    if (missing(form.kodPowiatu)) refuse(QStringLiteral("Proszę wypełnić kod powiatu."));
    if (missing(form.kodGminy)) refuse(QStringLiteral("Proszę wypełnić kod gminy."));
    const bool jb = form.format == QLatin1String("JB");
    if (jb && form.identyfikatorJb == 0) refuse(QStringLiteral("Proszę wypełnić identyfikator jednostki budżetowej."));
    if (form.folder.trimmed().isEmpty()) refuse(QStringLiteral("Proszę wybrać katalog plików."));
    if (QDir(form.folder).isRoot())
        refuse(QStringLiteral("Proszę wybrać katalog plików (nie można importować plików do katalogu głównego)."));
    if (!QFileInfo(form.folder).isDir()) refuse(QStringLiteral("Katalog plików %1 nie istnieje.").arg(form.folder));

    // A voivodeship code is even, 02 to 32.
    if (!isTwoDigits(form.kodWojewodztwa, 2, 32) || form.kodWojewodztwa.toInt() % 2 != 0)
        refuse(QStringLiteral("Niepoprawny kod województwa: \"%1\" (dozwolone kody parzyste od 02 do 32).").arg(form.kodWojewodztwa));
    if (!isTwoDigits(form.kodPowiatu, 1, 99))
        refuse(QStringLiteral("Niepoprawny kod powiatu: \"%1\" (dozwolone dwie cyfry od 01 do 99).").arg(form.kodPowiatu));
    if (!isTwoDigits(form.kodGminy, 1, 99))
        refuse(QStringLiteral("Niepoprawny kod gminy: \"%1\" (dozwolone dwie cyfry od 01 do 99).").arg(form.kodGminy));
    if (!isDigitOrEmpty(form.typGminy)) refuse(QStringLiteral("Niepoprawny typ gminy: \"%1\" (dozwolona jedna cyfra).").arg(form.typGminy));
    if (!isDigitOrEmpty(form.typPowiatu))
        refuse(QStringLiteral("Niepoprawny typ powiatu: \"%1\" (dozwolona jedna cyfra).").arg(form.typPowiatu));
    if (!isRegon(form.regon)) refuse(QStringLiteral("Niepoprawny REGON: \"%1\" (dozwolone 9 lub 14 cyfr).").arg(form.regon));
    if (!form.regonRozszerzony.isEmpty() && !isRegon(form.regonRozszerzony))
        refuse(QStringLiteral("Niepoprawny REGON (rozszerzony): \"%1\" (dozwolone 9 lub 14 cyfr).").arg(form.regonRozszerzony));
    if (jb && (form.identyfikatorJb < 1 || form.identyfikatorJb > 99999))
        refuse(QStringLiteral("Niepoprawny identyfikator jednostki budżetowej: %1 (dozwolone od 1 do 99999).").arg(form.identyfikatorJb));
    if (form.reportDate == 0) refuse(QStringLiteral("Proszę wypełnić datę sprawozdania."));
    if (from == 0 || to == 0 || from > to || date::year(from) != date::year(to))
        refuse(QStringLiteral("Niepoprawny okres sprawozdania: %1 - %2.").arg(date::toDisplay(from), date::toDisplay(to)));
}

int quarterOf(int to) { return (date::month(to) + 2) / 3; }

QString filePeriodCode(const BudgetExportForm& form, int to) {
    if (!form.byQuarters) return QString(QChar('A' + date::month(to) - 1));
    if (form.format == QLatin1String("JB")) return QString::number(quarterOf(to));
    return QString(QChar('A' + quarterOf(to) - 1));
}

QChar voivodeshipCharacter(const QString& kodWojewodztwa) {
    // The character at position code / 2 of the table, counted from 1.
    const int position = kodWojewodztwa.toInt() / 2;
    return position >= 1 && position <= kHex.size() ? kHex.at(position - 1) : QChar('?');
}

QString unitNumber(int64_t identyfikatorJb) { return QStringLiteral("%1").arg(identyfikatorJb, 5, 10, QChar('0')); }

QString exportFileName(const BudgetExportForm& form, int to) {
    QString name = form.side + QString::number(date::year(to) % 10) + filePeriodCode(form, to) +
                   voivodeshipCharacter(form.kodWojewodztwa) + form.kodPowiatu + form.kodGminy;
    if (form.format == QLatin1String("JB")) name += unitNumber(form.identyfikatorJb);
    return name + QStringLiteral(".dbf");
}

} // namespace ksiega::budget
