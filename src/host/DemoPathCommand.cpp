#include "host/Subcommands.h"
#include <QTextStream>

namespace ksiega::host {

KSIEGA_SUBCOMMAND(QStringLiteral("demo-path"), QStringLiteral("demo-path   print where the embedded demo database lives"),
                  [](const Arguments&) {
                      QTextStream(stdout) << defaultDatabasePath() << "\n";
                      return 0;
                  });

} // namespace ksiega::host
