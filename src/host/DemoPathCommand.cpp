#include "host/Subcommands.h"
#include <QTextStream>

namespace ksiega::host {

KSIEGA_SUBCOMMAND(QStringLiteral("demo-path"), QStringLiteral("print where the embedded demo database lives"), QString(),
                  Options{}, [](const Arguments&) {
                      QTextStream(stdout) << defaultDatabasePath() << "\n";
                      return 0;
                  });

} // namespace ksiega::host
