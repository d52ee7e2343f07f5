#pragma once
// The layout of a list's columns as the user arranged it: the columns in display order,
// each with its width in pixels (0 = leave as is) and whether it is hidden.
//
// As text (what KONFIGURACJA_OKNA stores and returns, at most 3000 characters):
//   "K1;name:width:hidden;name:width:hidden;..."   e.g. "K1;konto:80:0;opis:200:1"
// Column names are the list's column names (identifiers: no ':' or ';').
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class QHeaderView;

namespace ksiega::ui {

struct ColumnState {
    QString name;
    int width = 0;
    bool hidden = false;
    bool operator==(const ColumnState&) const = default;
};

struct ColumnLayout {
    static constexpr int kMaxTextLength = 3000;
    QVector<ColumnState> columns;

    // Entries that would pass the length limit are left out (the list shows them as
    // it does by default).
    QString toText() const;
    // nullopt for text that is not a layout; "" gives an empty layout.
    static std::optional<ColumnLayout> fromText(const QString& text);
    bool operator==(const ColumnLayout&) const = default;
};

// Reads the layout of a header whose logical sections are named by `names`.
ColumnLayout captureLayout(const QHeaderView& header, const QStringList& names);
// Applies a layout: named columns move into the layout's order, take its widths and
// hidden flags; columns the layout does not name keep their place after them; names
// the list does not have are ignored.
void applyLayout(QHeaderView& header, const QStringList& names, const ColumnLayout& layout);

} // namespace ksiega::ui
