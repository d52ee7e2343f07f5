#include "host/gui/ProcedureCatalogue.h"
#include <algorithm>
#include <stdexcept>

namespace ksiega::host {

QStringList menu::groups() {
    QStringList all;
    for (const char* g : {LEDGER, OPENING_BALANCE, SETTLEMENTS, CLOSING, COST_CENTRES, BUDGET}) all << QString::fromUtf8(g);
    return all;
}

void ProcedureCatalogue::add(CatalogueEntry entry) {
    if (!menu::groups().contains(entry.group))
        throw std::invalid_argument(("unknown menu group " + entry.group + " for " + entry.name).toStdString());
    const QString name = entry.name;
    m_entries.add(name, std::move(entry));
}

std::vector<const CatalogueEntry*> ProcedureCatalogue::entries(const QString& group) const {
    std::vector<const CatalogueEntry*> out;
    m_entries.forEach([&](const QString&, const CatalogueEntry& e) {
        if (e.group == group) out.push_back(&e);
    });
    std::stable_sort(out.begin(), out.end(), [](const CatalogueEntry* a, const CatalogueEntry* b) {
        return a->order != b->order ? a->order < b->order : a->caption < b->caption;
    });
    return out;
}

const CatalogueEntry* ProcedureCatalogue::find(const QString& name) const {
    return m_entries.find(name);
}

ProcedureCatalogue& catalogue() {
    static ProcedureCatalogue c;
    return c;
}

bool registerMenuProcedure(CatalogueEntry entry) {
    catalogue().add(std::move(entry));
    return true;
}

} // namespace ksiega::host
