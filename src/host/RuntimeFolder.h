#pragma once
// Qt wants XDG_RUNTIME_DIR and warns on standard error when it is not set (a shell
// without a login session, a container, cron). Commands write to standard error only
// when something went wrong, so the host gives itself a private folder first.
#include <QString>

namespace ksiega::host {

// When XDG_RUNTIME_DIR is not set: sets it to a folder that only this user can open
// (created with mode 0700 in the temporary folder, or a fresh one when the usual name is
// taken by someone else). Call before the Qt application object is created. Returns the
// folder set, or "" when nothing was changed.
QString ensureRuntimeFolder();

} // namespace ksiega::host
