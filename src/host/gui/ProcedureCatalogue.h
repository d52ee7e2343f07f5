#pragma once
// The module's exported procedures as the main window's menu offers them. Each procedure
// that lands registers one entry (in a file of src/host/gui/menu/, one line each):
//
//   KSIEGA_MENU_PROCEDURE("KSIEGA_WG_KONT", "Przeglądanie wg kont", menu::LEDGER, 10, [] { ksiega::KSIEGA_WG_KONT(); });
//
// The menu shows only what is registered; a group without entries is shown disabled.
#include "platform/runtime/Registry.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace ksiega::host {

namespace menu {
// Menu groups, in the menu bar's order (captions with their mnemonics). Plain UTF-8
// constants, so that registrations in other files may use them during start-up.
inline constexpr char LEDGER[] = "&Księga główna";
inline constexpr char OPENING_BALANCE[] = "&Bilans otwarcia";
inline constexpr char SETTLEMENTS[] = "&Rozrachunki";
inline constexpr char CLOSING[] = "&Zamknięcie roku";
inline constexpr char COST_CENTRES[] = "&MPK";
inline constexpr char BUDGET[] = "B&udżet";
QStringList groups();
} // namespace menu

struct CatalogueEntry {
    QString name;      // the procedure's own name, e.g. KSIEGA_WG_KONT
    QString caption;   // menu item text
    QString group;     // one of menu::groups()
    int order = 0;     // place inside the group
    std::function<void()> call;
};

class ProcedureCatalogue {
public:
    // Throws std::invalid_argument for an unknown group, std::logic_error for a name
    // already in the catalogue.
    void add(CatalogueEntry entry);
    // The entries of a group, by order then caption.
    std::vector<const CatalogueEntry*> entries(const QString& group) const;
    const CatalogueEntry* find(const QString& name) const;
    size_t size() const { return m_entries.size(); }

private:
    Registry<CatalogueEntry> m_entries{QStringLiteral("menu procedure")};
};

// The catalogue of the process, filled by the registrations.
ProcedureCatalogue& catalogue();
bool registerMenuProcedure(CatalogueEntry entry);

} // namespace ksiega::host

#define KSIEGA_MENU_CAT2(a, b) a##b
#define KSIEGA_MENU_CAT(a, b) KSIEGA_MENU_CAT2(a, b)
#define KSIEGA_MENU_PROCEDURE(name, caption, group, order, ...)                                          \
    static const bool KSIEGA_MENU_CAT(registeredMenuEntry_, __LINE__) = ::ksiega::host::registerMenuProcedure( \
        {QStringLiteral(name), QStringLiteral(caption), QString::fromUtf8(group), order, __VA_ARGS__})
