#pragma once
// What a window keeps between sessions under its section: placement, splitter positions,
// sort order and direction, the intuitive-search switch and a view switch.
#include "platform/ui/settings/Settings.h"

class QWidget;
class QSplitter;

namespace ksiega {

struct WindowSwitches {
    int64_t vsplitPos = 0;    // GGG_VSPLITPOS
    int64_t hsplitPos = 0;    // GGG_HSPLITPOS
    int64_t sortOrder = 0;    // GGG_SORTOWANIE_LP
    int sortDirection = 0;    // GGG_SORTOWANIE_DIR
    int intuitive = 0;        // GGG_SORTOWANIE_INTU
    int viewSwitch = 0;       // GGG_UNI_1

    // Values missing from the file keep what the struct holds.
    void fetch(const Settings& settings, const QString& section);
    void update(Settings& settings, const QString& section) const;
};

// Window placement (geometry) and splitter states under the section; a splitter is
// stored under its objectName.
void fetchPlacement(const Settings& settings, const QString& section, QWidget* window);
void updatePlacement(Settings& settings, const QString& section, const QWidget* window);

} // namespace ksiega
