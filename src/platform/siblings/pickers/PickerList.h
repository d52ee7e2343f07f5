#pragma once
// The rules of a picker window of the stand-in libraries: one paged list over a table of
// the company (and year), the current row, and, when several may be chosen, the marks
// clicked in its first column. The window (PickerDialog) only shows it.
#include "platform/ui/list/PagedListModel.h"
#include <QString>
#include <memory>
#include <set>

namespace ksiega::pickers {

struct PickerDefinition {
    QString objectName;      // the window's name
    QString title;
    ui::ListQuery query;     // source, columns, id column, sort and the company/year ranges
    bool severalAllowed = false;
};

// Marks of a picker: only the ids clicked on, no all-marked flag.
class PickerMarks : public ui::MarksList {
public:
    bool isMarked(int64_t id) const override { return m_ids.count(id) != 0; }
    void toggle(int64_t id) override;
    void markAll() override {}
    void unmarkAll() override { m_ids.clear(); }
    void invert() override {}
    const std::set<int64_t>& ids() const { return m_ids; }

private:
    std::set<int64_t> m_ids;
};

class PickerList {
public:
    PickerList(db::Database& db, PickerDefinition definition);
    PickerList(const PickerList&) = delete;
    PickerList& operator=(const PickerList&) = delete;

    const PickerDefinition& definition() const { return m_definition; }
    ui::PagedListModel& model() { return *m_model; }
    db::Database& database() { return m_db; }

    // The row under the cursor; -1 when none.
    void setCurrentRow(int row) { m_current = row; }
    int currentRow() const { return m_current; }
    void toggleMark(int row) { m_model->toggleMark(row); }
    const std::set<int64_t>& markedIds() const { return m_marks.ids(); }

    // "Wybierz": takes the current row (or, with nothing current, the single marked one).
    // False when there is nothing to take; the window then stays open.
    bool choose();
    bool chosen() const { return m_chosenId != 0; }
    int64_t chosenId() const { return m_chosenId; }
    // A column of the chosen row, read by its id.
    QString chosenText(const QString& column) const;
    // The text of a column of any element of the list, by id.
    QString textOf(int64_t id, const QString& column) const;

private:
    db::Database& m_db;
    PickerDefinition m_definition;
    PickerMarks m_marks;
    std::unique_ptr<ui::PagedListModel> m_model;
    int m_current = -1;
    int64_t m_chosenId = 0;
};

// A company-scoped (and, with year != 0, year-scoped) list query.
ui::ListQuery pickerQuery(const QString& source, const QString& idColumn, const ui::ListColumns& columns,
                          const QStringList& sortColumns, int64_t company, int64_t year = 0);

} // namespace ksiega::pickers
