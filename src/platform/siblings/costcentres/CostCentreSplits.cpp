#include "platform/siblings/costcentres/CostCentreSplits.h"
#include <atomic>

namespace ksiega::costcentres {

Money CostCentreSplit::sumWn() const {
    Money s;
    for (const CostCentrePart& p : wn) s += p.kwota;
    return s;
}

Money CostCentreSplit::sumMa() const {
    Money s;
    for (const CostCentrePart& p : ma) s += p.kwota;
    return s;
}

namespace {

// Placeholder until the stand-in lands: keeps nothing.
class NoCostCentreSplits : public CostCentreSplits {
public:
    CostCentreSplit MPK_ODTWORZ_ZAPISY(db::Database&, int64_t, int) override { return {}; }
    bool MPK_DANE(db::Database&, const QString&, const CostCentreLine&, CostCentreSplit&, QWidget*) override { return false; }
    void MPK_ZAPISZ_DANE(db::Database&, const CostCentreLine&, const CostCentreSplit&, bool) override {}
};

std::atomic<CostCentreSplits*> g_replacement{nullptr};

} // namespace

CostCentreSplits& costCentreSplits() {
    if (CostCentreSplits* r = g_replacement.load()) return *r;
    static NoCostCentreSplits standIn;
    return standIn;
}

void replaceCostCentreSplits(CostCentreSplits* library) { g_replacement.store(library); }

} // namespace ksiega::costcentres
