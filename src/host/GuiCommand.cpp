#include "host/Subcommands.h"
#include <QTextStream>

namespace ksiega::host {

// The desktop application; replaced by the session chooser and main window.
KSIEGA_SUBCOMMAND(QStringLiteral("gui"), QStringLiteral("[--db URL] [--company C] [--year Y] [--user LOGIN]"),
                  [](const Arguments&) {
                      QTextStream(stderr) << "ksiega: the desktop application is not built yet\n";
                      return 1;
                  });

} // namespace ksiega::host
