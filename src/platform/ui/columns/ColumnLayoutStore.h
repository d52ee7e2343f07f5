#pragma once
// Column layouts stored per user and list (browser number) in KONFIGURACJA_KOLUMN.
#include "platform/db/Database.h"
#include <optional>

namespace ksiega::ui {

class ColumnLayoutStore {
public:
    explicit ColumnLayoutStore(db::Database& db) : m_db(db) {}
    std::optional<QString> load(int64_t userNumber, int browserId);
    // Replaces the stored layout (one transaction). Text is cut to 3000 characters.
    void save(int64_t userNumber, int browserId, const QString& layoutText);
    void remove(int64_t userNumber, int browserId);

private:
    db::Database& m_db;
};

} // namespace ksiega::ui
