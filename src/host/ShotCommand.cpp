#include "host/BatchSession.h"
#include "host/Subcommands.h"
#include "host/gui/ShotTargets.h"
#include <QImage>
#include <optional>
#include <QTextStream>

namespace ksiega::host {

// Renders one window off screen into a PNG. The session is the one given, or the first
// company, its newest year and the first administrator where nothing is given.
static int shot(const Arguments& args) {
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

    BatchSession batch(args, BatchSession::Missing::FirstCompany);
    ShotContext context{batch.db(), batch.session(), args.option(QStringLiteral("account"), QString())};
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
                  QStringLiteral("render a window off screen to PNG (the first company, its newest year and the first "
                                 "administrator where not given)"),
                  QStringLiteral("TARGET"),
                  Options{Option::value("out", "FILE.png", "the picture to write").required()} + options::session() +
                      Options{Option::value("width", "W", "the window's width (default: its own)"),
                              Option::value("height", "H", "the window's height (default: its own)"),
                              Option::value("account", "A", "the account a window opens on")},
                  shot, {}, [] { return QStringLiteral("windows: %1\n").arg(shotTargetNames().join(", ")); });

} // namespace ksiega::host
