#pragma once
// The rules of UP_BUDZET_DANE's stand-in: one budget line's symbol and senses, read and
// saved within the company; the amount and the ledger line are not edited here.
#include "platform/db/Database.h"
#include <array>
#include <optional>

namespace ksiega::siblings {

// rodzaj_wy, rodzaj_k, rodzaj_z, rodzaj_x, rodzaj_d, rodzaj_wp
enum BudgetSenseFlag { SenseWy, SenseK, SenseZ, SenseX, SenseD, SenseWp, SenseCount };

struct BudgetLineData {
    int64_t id = 0;
    QString symbol;
    QString side;   // "W" or "D"
    std::array<bool, SenseCount> senses{};
    int64_t amount = 0;   // grosze, shown only
};

class BudgetLineEditor {
public:
    BudgetLineEditor(db::Database& db, int64_t company) : m_db(db), m_company(company) {}
    // The line of the company; nullopt when there is none.
    std::optional<BudgetLineData> load(int64_t id);
    // "" when the line may be saved, else the message.
    static QString check(const BudgetLineData& line);
    // Saves symbol, side and senses; the senses of the other side are cleared. True when saved.
    bool save(const BudgetLineData& line);

private:
    db::Database& m_db;
    int64_t m_company;
};

} // namespace ksiega::siblings
