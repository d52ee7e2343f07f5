#pragma once
// Windows that `ksiega shot TARGET` can render off screen. A window adds itself with one
// line in a file of its own under src/host/gui/shots/:
//
//   KSIEGA_SHOT_TARGET("FILTR", [](ShotContext& c) { return makeFilterWindow(c.db); });
//
// The session is loaded before the function runs.
#include "frame/SessionContext.h"
#include "platform/db/Database.h"
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

namespace ksiega::host {

struct ShotContext {
    db::Database& db;
    SessionContext& session;
    QString account;   // --account: the account a window opens on ("" none)
};

using ShotFactory = std::function<std::unique_ptr<QWidget>(ShotContext&)>;

// Throws std::logic_error for a name already registered.
bool registerShotTarget(const QString& name, ShotFactory factory);
const ShotFactory* findShotTarget(const QString& name);
QStringList shotTargetNames();

// Lays the widget out at the given size off screen and grabs it.
QImage renderOffscreen(QWidget& widget, QSize size);

} // namespace ksiega::host

#define KSIEGA_SHOT_CAT2(a, b) a##b
#define KSIEGA_SHOT_CAT(a, b) KSIEGA_SHOT_CAT2(a, b)
#define KSIEGA_SHOT_TARGET(name, ...) \
    static const bool KSIEGA_SHOT_CAT(registeredShotTarget_, __LINE__) = ::ksiega::host::registerShotTarget(QStringLiteral(name), __VA_ARGS__)
