#include "platform/ui/settings/ColumnConfiguration.h"
#include "platform/siblings/data/Globals.h"
#include "platform/ui/settings/ColumnEditorDialog.h"
#include <atomic>

namespace ksiega {

static std::atomic<ColumnEditor*> installedEditor{nullptr};

ColumnEditor& columnEditor() {
    if (ColumnEditor* e = installedEditor.load()) return *e;
    static ColumnEditorDialogRunner dialog;
    return dialog;
}

void installColumnEditor(ColumnEditor* editor) { installedEditor.store(editor); }

static const QString SECTION = QStringLiteral("Konfiguracja_kolumn");

QString KONFIGURACJA_OKNA(int mode, int64_t browserId, const QString& layoutText) {
    Settings* settings = settingsObject();
    const QString key = QString::number(browserId);
    QString current = layoutText;
    if (settings) {
        const QString stored = settings->getText(SECTION, key);
        if (!stored.isEmpty()) current = stored;
    }
    if (mode != KONFIGURACJA_EDYTUJ) return current;
    std::optional<ColumnLayout> edited = columnEditor().edit(ColumnLayout::parse(current));
    if (!edited) return current;
    const QString text = edited->text();
    if (settings) {
        settings->setText(SECTION, key, text);
        settings->sync();
    }
    return text;
}

void KONFIGURACJA_OKNA_PUNKTY(int64_t, int64_t, int64_t, int64_t) {}

} // namespace ksiega
