#pragma once
// The rules of the dialog UP_RAPORT_DLA_KONTA: one range of "Raport z konta" (account,
// dates, date kind), added ("Nowy zakres dla konta") or changed ("Raport z konta").
#include "platform/db/Database.h"
#include "printouts/accountreport/AccountRange.h"
#include <QString>

namespace ksiega::printouts {

inline const QString kOutOfYearText = QStringLiteral("Zakres dat wykracza poza bieżacy rok obrotowy.");

class RangeDialogController {
public:
    // existing == nullptr: a new range, "Data od" at the first day of the month of
    // DANE_DATA_BIEZACA and "Data do" on that day.
    RangeDialogController(db::Database& db, const AccountRange* existing, DateKind kind);

    bool isNew() const { return m_new; }
    QString title() const;

    // ?KONTO as typed; the name follows when the text is an account of the year.
    void setAccountText(const QString& text);
    const QString& accountText() const { return m_account; }
    const QString& accountName() const { return m_name; }
    // Resolves the typed text (SZUKAJ_KONTA); when it matches no account the chart of
    // accounts opens; cancelling it leaves the field unchanged. True when an account stands.
    bool resolveAccount();
    // ?BUTTON3: the chart-of-accounts picker.
    void pickAccount();

    void setFrom(int day) { m_from = day; }
    void setTo(int day) { m_to = day; }
    int from() const { return m_from; }
    int to() const { return m_to; }
    void pickFrom();         // KALENDARZ
    void pickTo();
    void pickRange();        // ?B_WYBOROKRESU, GET_ZAKRES_DAT
    void periodStart();      // "Początek okresu obrotowego": first day of the month of DANE_DATA_OKRESU
    void periodEnd();        // "Koniec okresu obrotowego": its last day
    void yearStart();        // "Początek roku obrotowego"
    void yearEnd();          // "Koniec roku obrotowego"

    void setDateKind(DateKind kind) { m_kind = kind; }
    DateKind dateKind() const { return m_kind; }

    // "Wykonaj": both dates inside the fiscal year and an account; otherwise the message
    // is shown and the dialog stays (false).
    bool confirm();
    AccountRange result() const;

private:
    db::Database& m_db;
    bool m_new = true;
    QString m_account;
    QString m_name;
    int m_from = 0;
    int m_to = 0;
    DateKind m_kind = DateKind::Document;
};

} // namespace ksiega::printouts
