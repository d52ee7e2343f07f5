#pragma once
// Qt's off-screen platform, which the commands render their windows on, writes a warning
// for every top-level window it shows ("This plugin does not support
// propagateSizeHints()"). It says nothing about the command's work, and commands write to
// standard error only when something went wrong, so the host drops that one message.
#include <QString>

namespace ksiega::host {

// True for a message that is Qt's own noise and not worth a person's attention.
bool isQtNoise(const QString& message);

// Installs a message handler that drops isQtNoise() messages and hands every other one to
// the handler that was installed before. Call before the Qt application object is created.
void silenceQtNoise();

} // namespace ksiega::host
