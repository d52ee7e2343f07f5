#include "host/QtNoise.h"
#include <QtGlobal>

namespace ksiega::host {

namespace {
QtMessageHandler previousHandler = nullptr;

void handler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg && isQtNoise(message)) return;
    if (previousHandler) previousHandler(type, context, message);
}
} // namespace

bool isQtNoise(const QString& message) {
    return message == QLatin1String("This plugin does not support propagateSizeHints()");
}

void silenceQtNoise() {
    QtMessageHandler before = qInstallMessageHandler(handler);
    if (before != handler) previousHandler = before;
}

} // namespace ksiega::host
