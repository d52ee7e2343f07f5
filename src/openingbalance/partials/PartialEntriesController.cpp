#include "openingbalance/partials/PartialEntriesController.h"
#include "openingbalance/entry/EntryChecks.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega::openingbalance {

PartialEntriesController::PartialEntriesController(PartialEntriesContext context, std::vector<server::PartialEntry>& entries)
    : m_context(std::move(context)), m_entries(entries) {}

server::PartialEntry PartialEntriesController::newEntry() const {
    server::PartialEntry e;
    e.dataDok = m_context.openingDate;
    return e;
}

QString PartialEntriesController::refusal(const server::PartialEntry& e) const {
    if (!editable()) return QStringLiteral("Zapisy cząstkowe są tylko do podglądu.");
    if (e.nrDok.size() > NR_DOK_MAX) return QStringLiteral("Numer dokumentu może mieć najwyżej %1 znaków.").arg(NR_DOK_MAX);
    if (e.opis.size() > OPIS_MAX) return QStringLiteral("Opis może mieć najwyżej %1 znaków.").arg(OPIS_MAX);
    if (e.mnoznikWn <= 0 || e.mnoznikMa <= 0) return QStringLiteral("Mnożnik musi być większy od zera.");
    if (!m_context.currencyAmounts && (!e.kwotaWnW.isZero() || !e.kwotaMaW.isZero()))
        return QStringLiteral("Konto nie jest kontem walutowym: kwoty w walucie muszą być zerowe.");
    return {};
}

QString PartialEntriesController::add(const server::PartialEntry& entry) {
    const QString why = refusal(entry);
    if (why.isEmpty()) m_entries.push_back(entry);
    return why;
}

QString PartialEntriesController::correct(int row, const server::PartialEntry& entry) {
    if (row < 0 || row >= count()) return QStringLiteral("Nie wybrano pozycji.");
    const QString why = refusal(entry);
    if (why.isEmpty()) m_entries[size_t(row)] = entry;
    return why;
}

bool PartialEntriesController::remove(int row) {
    if (!editable() || row < 0 || row >= count()) return false;
    if (ui::dialogs().question(QStringLiteral("Czy chcesz usunąć wybraną pozycję?"), ui::BUTTONS_TAK_NIE, 1,
                               ui::TITLE_PYTANIE) != 1)
        return false;
    m_entries.erase(m_entries.begin() + row);
    return true;
}

server::LineAmounts PartialEntriesController::sums() const { return partialSums(m_entries); }

} // namespace ksiega::openingbalance
