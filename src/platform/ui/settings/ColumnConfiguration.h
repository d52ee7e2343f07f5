#pragma once
// KONFIGURACJA_OKNA: the column layout of a list, kept per user and browser number in
// the settings object. Mode 2 (the list opens) gives the stored layout, or the list's own
// when none is stored; mode 3 ("Konfiguracja kolumn") lets the person edit the layout,
// stores it and gives it back. The editor is replaceable for tests.
#include "platform/ui/settings/ColumnLayout.h"
#include <optional>

namespace ksiega {

class ColumnEditor {
public:
    virtual ~ColumnEditor() = default;
    // The edited layout, or nullopt when the person cancels.
    virtual std::optional<ColumnLayout> edit(const ColumnLayout& current) = 0;
};

// The editor in force (the Qt dialog unless one is installed); nullptr restores it.
ColumnEditor& columnEditor();
void installColumnEditor(ColumnEditor* editor);

enum ColumnConfigurationMode { KONFIGURACJA_WCZYTAJ = 2, KONFIGURACJA_EDYTUJ = 3 };

QString KONFIGURACJA_OKNA(int mode, int64_t browserId, const QString& layoutText);
// Companion of the above; the layout is stored by KONFIGURACJA_OKNA itself.
void KONFIGURACJA_OKNA_PUNKTY(int64_t value, int64_t browserId, int64_t, int64_t);

} // namespace ksiega
