#include "host/SessionLoader.h"
#include "host/Subcommands.h"
#include "host/gui/HostDatabase.h"
#include "host/gui/ShotTargets.h"
#include "platform/runtime/Date.h"
#include <QImage>
#include <optional>
#include <QTextStream>

namespace ksiega::host {

// Renders one window off screen into a PNG. The session is the one given, or the first
// company, its newest year and the first administrator where nothing is given.
static int shot(const Arguments& args) {
    const QStringList known{"db", "company", "year", "user", "date", "out", "width", "height", "account"};
    if (const QStringList unknown = args.unknownOptions(known); !unknown.isEmpty())
        throw UsageError(QStringLiteral("unknown option %1").arg(unknown.join(' ')));
    if (args.positional().size() != 1)
        throw UsageError(QStringLiteral("name one window to render: %1").arg(shotTargetNames().join(", ")));
    const QString target = args.positional().first();
    const ShotFactory* factory = findShotTarget(target);
    if (!factory) throw UsageError(QStringLiteral("no window %1; known: %2").arg(target, shotTargetNames().join(", ")));
    const QString out = args.option(QStringLiteral("out"), QString());
    if (out.isEmpty()) throw UsageError(QStringLiteral("--out FILE.png is required"));
    // Without --width/--height the window keeps its own size.
    std::optional<QSize> size;
    if (args.option(QStringLiteral("width")) || args.option(QStringLiteral("height"))) {
        bool okW = false, okH = false;
        const int width = args.option(QStringLiteral("width"), QStringLiteral("1024")).toInt(&okW);
        const int height = args.option(QStringLiteral("height"), QStringLiteral("700")).toInt(&okH);
        if (!okW || !okH || width < 100 || height < 100 || width > 8000 || height > 8000)
            throw UsageError(QStringLiteral("--width and --height must be between 100 and 8000"));
        size = QSize(width, height);
    }

    auto db = openExistingDatabase(args);
    SessionChoice choice = choiceFromArguments(*db, args);
    if (!choice.company || !choice.year || choice.login.isEmpty()) {
        const SessionChoice first = firstChoice(*db);
        if (!choice.company) choice.company = first.company;
        if (!choice.year) {
            choice.year = db->scalarInt(QStringLiteral("select id_lata_obrot from LATA_OBROTOWE where id_firmy=? "
                                                       "order by poczatek_roku desc, id_lata_obrot desc limit 1"),
                                        {choice.company})
                              .value_or(0);
        }
        if (choice.login.isEmpty()) choice.login = first.login;
    }
    try {
        loadSession(*db, choice);
    } catch (const SessionError& e) {
        throw UsageError(e.text());
    }
    ShotContext context{*db, session(), args.option(QStringLiteral("account"), QString())};
    std::unique_ptr<QWidget> window = (*factory)(context);
    const QImage image = renderOffscreen(*window, size.value_or(window->size()));
    if (image.isNull() || !image.save(out, "PNG")) {
        QTextStream(stderr) << "ksiega shot: could not write " << out << "\n";
        return 1;
    }
    QTextStream(stdout) << out << " " << image.width() << "x" << image.height() << "\n";
    return 0;
}

KSIEGA_SUBCOMMAND(QStringLiteral("shot"),
                  QStringLiteral("shot TARGET --out FILE.png [--db URL --company C --year Y --user U --date YYYY-MM-DD "
                                 "--width W --height H --account A]   render a window to PNG"),
                  shot);

} // namespace ksiega::host
