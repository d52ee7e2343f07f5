#include "platform/siblings/costcentres/CostCentreSplits.h"
#include "platform/siblings/costcentres/CostCentreSplitDialog.h"
#include "platform/siblings/costcentres/CostCentreStore.h"
#include <atomic>
#include <stdexcept>

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

class CostCentresStandIn : public CostCentreSplits {
public:
    // Every mode reads both sides: the entry window asks for nothing else.
    CostCentreSplit MPK_ODTWORZ_ZAPISY(db::Database& db, int64_t idPozDok, int) override { return readSplit(db, idPozDok); }

    bool MPK_DANE(db::Database& db, const QString& strona, const CostCentreLine& line, CostCentreSplit& split,
                  QWidget* parent) override {
        const QString side = strona.trimmed().toUpper();
        if (side != QLatin1String("WN") && side != QLatin1String("MA"))
            throw std::invalid_argument(QStringLiteral("MPK_DANE: strona %1").arg(strona).toStdString());
        const bool wn = side == QLatin1String("WN");
        std::vector<CostCentrePart>& parts = wn ? split.wn : split.ma;
        CostCentreSplitController controller(db, line.idFirmy, side, wn ? line.kontoWn : line.kontoMa,
                                             wn ? line.kwotaWn : line.kwotaMa, parts);
        CostCentreSplitDialog dialog(controller, parent);
        if (dialog.exec() != QDialog::Accepted) return false;
        parts = controller.parts();
        return true;
    }

    void MPK_ZAPISZ_DANE(db::Database& db, const CostCentreLine& line, const CostCentreSplit& split,
                         bool costCentreVersion) override {
        if (costCentreVersion) writeSplit(db, line, split);
    }
};

std::atomic<CostCentreSplits*> g_replacement{nullptr};

} // namespace

CostCentreSplits& costCentreSplits() {
    if (CostCentreSplits* r = g_replacement.load()) return *r;
    static CostCentresStandIn standIn;
    return standIn;
}

void replaceCostCentreSplits(CostCentreSplits* library) { g_replacement.store(library); }

} // namespace ksiega::costcentres
