#pragma once
// The party pickers of the contractor library: contractors (KONTRAHENCI), employees
// (PRACOWNICY) and offices (URZEDY). Each is given the current party id and two mode
// texts and answers the chosen party's id and name (the caller leaves them in
// DANE_ID_KARTOTEKI and DANE_NAZWA); id 0 when nothing was chosen.
#include "platform/siblings/pickers/PickerContext.h"
#include "platform/siblings/pickers/PickerList.h"

namespace ksiega::pickers {

struct PartyChoice {
    int64_t id = 0;
    QString name;
};

enum class PartyKind { Contractor, Employee, Office };

class PartyPickers {
public:
    virtual ~PartyPickers() = default;
    virtual PartyChoice KONTRAHENCI(const PickerContext& context, int64_t current, const QString& a, const QString& b) = 0;
    virtual PartyChoice PRACOWNICY(const PickerContext& context, int64_t current, const QString& a, const QString& b) = 0;
    virtual PartyChoice URZEDY(const PickerContext& context, int64_t current, const QString& a, const QString& b) = 0;
};

PartyPickers& partyPickers();
void replacePartyPickers(PartyPickers* pickers);

std::unique_ptr<PickerList> partyList(const PickerContext& context, PartyKind kind);
PartyChoice finishPartyPick(PickerList& list);

} // namespace ksiega::pickers
