#pragma once
// The register cards of the demo companies: contractors ('K'), employees ('P') and offices
// ('U'). A register account (kartoteka) gets one card account per card of its kind.
#include <QString>
#include <vector>

namespace ksiega::db::demo {

struct DemoCard {
    int64_t id = 0;          // id_kartoteki: unique within its kind
    int64_t company = 0;
    QChar kind;              // 'K', 'P', 'U'
    int number = 0;          // number within the company and kind: the card account's last segment
    QString name;
    QString city;
    QString street;
    QString currency;        // foreign contractors: their invoicing currency
    QString nip;             // with a valid check digit; '' for employees

    // The card account under a synthetic account: "201-00007".
    QString account(int synthetic) const { return QStringLiteral("%1-%2").arg(synthetic, 3, 10, QChar('0')).arg(number, 5, 10, QChar('0')); }
};

// Every card of the embedded register file.
std::vector<DemoCard> demoCards();
// The cards of one company and kind.
std::vector<DemoCard> cardsOf(const std::vector<DemoCard>& all, int64_t company, QChar kind);

} // namespace ksiega::db::demo
