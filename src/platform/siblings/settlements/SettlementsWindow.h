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

class SettlementsWindow {
public:
    virtual ~SettlementsWindow() = default;
    // The company is the context's; the filter's year limits the list.
    virtual int ROZRACHUNKI(const pickers::PickerContext& context, const SettlementFilter& filter) = 0;
};

SettlementsWindow& settlementsWindow();
// Puts a window in place (not owned); nullptr brings the stand-in back.
void replaceSettlementsWindow(SettlementsWindow* window);

// The stand-in's list: markable, ordered by account and id, under the filter.
std::unique_ptr<pickers::PickerList> settlementList(const pickers::PickerContext& context, const SettlementFilter& filter);
// What a confirmed list leaves behind: its marked ids (or, with none marked, the current
// row's) in browser 30 of the user. Returns how many.
int64_t storeMarkedSettlements(pickers::PickerList& list, const pickers::PickerContext& context);

} // namespace ksiega::settlements
