#pragma once
// The cost-centre split of one ledger line as the documents library offers it to the
// opening-balance entry: MPK_ODTWORZ_ZAPISY reads the stored split of a line into memory,
// MPK_DANE lets the user edit the split of one side (indicator sets and their amounts,
// which add up to the side's amount), MPK_ZAPISZ_DANE stores the split in the caller's
// transaction. The library in force is costCentreSplits(); a test puts its own in place.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include <QString>
#include <array>
#include <vector>

class QWidget;

namespace ksiega::costcentres {

// One part of a side: the five indicator ids (0 = none) and its amount in PLN.
struct CostCentrePart {
    std::array<int64_t, 5> wskazniki{};
    Money kwota;
    bool operator==(const CostCentrePart&) const = default;
};

struct CostCentreSplit {
    std::vector<CostCentrePart> wn;   // the Dt side
    std::vector<CostCentrePart> ma;   // the Ct side
    bool isEmpty() const { return wn.empty() && ma.empty(); }
    Money sumWn() const;
    Money sumMa() const;
    bool operator==(const CostCentreSplit&) const = default;
};

// The line the split belongs to, as the entry window holds it (amounts not saved yet).
struct CostCentreLine {
    int64_t idFirmy = 0;
    int64_t idLataObrot = 0;
    int64_t idPozDok = 0;
    QString kontoWn, kontoMa;
    Money kwotaWn, kwotaMa;
};

class CostCentreSplits {
public:
    virtual ~CostCentreSplits() = default;
    // The split stored for the line (mode 1: both sides).
    virtual CostCentreSplit MPK_ODTWORZ_ZAPISY(db::Database& db, int64_t idPozDok, int mode) = 0;
    // The split window of one side ("WN" or "MA"); edits `split` in place and returns true
    // when the user confirmed a split that adds up to the side's amount (or removed every
    // part: no split). The other side and the database are left alone.
    virtual bool MPK_DANE(db::Database& db, const QString& strona, const CostCentreLine& line, CostCentreSplit& split,
                          QWidget* parent) = 0;
    // Replaces the stored split of the line by `split`, in the caller's transaction. Without
    // the cost-centre version (costCentreVersion false) nothing is stored. A side whose
    // parts do not add up to its amount (the amount was changed after the split) throws and
    // writes nothing; a side left without an amount keeps no split.
    virtual void MPK_ZAPISZ_DANE(db::Database& db, const CostCentreLine& line, const CostCentreSplit& split,
                                 bool costCentreVersion) = 0;
};

CostCentreSplits& costCentreSplits();
// Puts a library in place (not owned); nullptr brings our stand-in back.
void replaceCostCentreSplits(CostCentreSplits* library);

} // namespace ksiega::costcentres
