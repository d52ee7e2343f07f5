#pragma once
// The settlements window of the settlements library, as far as the module calls it: given
// a filter (an account prefix and a fiscal year) and the company, it lists the
// settlements (ROZRACHUNEK_VIEW) page by page; the person marks some and confirms. The
// marked ids are left in selection browser 30 of the user and the call answers non-zero;
// a cancel answers 0 and leaves the browser as it was. The window in force is
// settlementsWindow(); a test puts its own in place with replaceSettlementsWindow.
#include "platform/siblings/pickers/PickerContext.h"
#include "platform/siblings/pickers/PickerList.h"
#include <QString>
#include <memory>

namespace ksiega::settlements {

inline constexpr int64_t kSettlementBrowser = 30;

// Which settlements the window lists: those of one fiscal year whose account begins with
// a prefix ("" = every account).
struct SettlementFilter {
    QString accountPrefix;
    int64_t year = 0;

    // The expression the library is handed as text: spcSQL(NR_KONTA like '<prefix>%' AND
    // ID_LATA_OBROT=<year>), the prefix quoted by the one quoting helper.
    QString text() const;
    // The same as SQL for the list: the prefix bound, its % and _ taken literally.
    ui::SqlFilter sql() const;
};

// "20_%" -> "20\_\%": a text that LIKE ... ESCAPE '\' matches only as itself.
QString escapeLike(const QString& text);

// What the import wizard and the document-from-settlements window hand the window: a mode
// text of three characters and, for the wizard, the account it imports for.
// - mode[0] '2': when the person confirms, the settlements that clear the marked ones (and
//   those the marked ones clear) join them in browser 30;
// - mode[1] '2': only the warehouse system's settlements (id_nag_dok_m <> 0) are listed;
// - mode[2] '1': the ledger's settlements (ROZRACHUNEK_VIEW), else the warehouse system's
//   (ROZRACHUNEK_VIEW_TOVARIX).
// The list holds the settlements of the context's company and year that no ledger line
// carries yet. With an account, those of the account; with `cardAccount` also those of the
// accounts below it, narrowed by `cardFilter` (KARTOTEKA_UZYTKOWNIKA.filtr_kartoteka) on
// the symbol of the card behind each account. Texts are bound, never statement text.
struct SettlementChoice {
    QString mode = QStringLiteral("111");
    QString account;
    bool cardAccount = false;
    QString cardFilter;

    bool withClearing() const { return mode.size() > 0 && mode.at(0) == QLatin1Char('2'); }
    bool warehouseOnly() const { return mode.size() > 1 && mode.at(1) == QLatin1Char('2'); }
    bool ledgerView() const { return mode.size() < 3 || mode.at(2) == QLatin1Char('1'); }
    QString view() const;
    ui::SqlFilter sql() const;
};

class SettlementsWindow {
public:
    virtual ~SettlementsWindow() = default;
    // The company is the context's; the filter's year limits the list.
    virtual int ROZRACHUNKI(const pickers::PickerContext& context, const SettlementFilter& filter) = 0;
    // The same window under a mode (see SettlementChoice); the year is the context's.
    virtual int ROZRACHUNKI(const pickers::PickerContext& context, const SettlementChoice& choice);
};

SettlementsWindow& settlementsWindow();
// Puts a window in place (not owned); nullptr brings the stand-in back.
void replaceSettlementsWindow(SettlementsWindow* window);

// The stand-in's list: markable, ordered by account and id, under the filter.
std::unique_ptr<pickers::PickerList> settlementList(const pickers::PickerContext& context, const SettlementFilter& filter);
// The stand-in's list under a mode.
std::unique_ptr<pickers::PickerList> settlementList(const pickers::PickerContext& context, const SettlementChoice& choice);
// The settlements cleared against those in browser 30 of the user (either way round, of the
// context's company) join them there. Returns how many joined.
int64_t addClearingSettlements(const pickers::PickerContext& context);
// What a confirmed list leaves behind: its marked ids (or, with none marked, the current
// row's) in browser 30 of the user. Returns how many.
int64_t storeMarkedSettlements(pickers::PickerList& list, const pickers::PickerContext& context);

} // namespace ksiega::settlements
