// ksiega: the host application (no subcommand) and the command-line tool.
#include "host/Subcommands.h"
#include "platform/db/DbError.h"
#include <QApplication>
#include <QTextStream>
#include <cstdio>

using namespace ksiega;

static void printUsage(QTextStream& out) {
    out << "usage: ksiega [--db URL] [--company ID] [--year Y] [--user LOGIN]   open the application\n";
    for (const auto& [name, command] : host::subcommands()) out << "       ksiega " << command.usage << "\n";
}

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const bool command = !args.isEmpty() && !args.first().startsWith(QLatin1String("--"));
    const QString name = command ? args.takeFirst() : QStringLiteral("gui");
    QTextStream err(stderr);

    if (name == QLatin1String("help") || args.contains(QLatin1String("--help"))) {
        QTextStream out(stdout);
        printUsage(out);
        return 0;
    }
    auto it = host::subcommands().find(name);
    if (it == host::subcommands().end()) {
        err << "ksiega: unknown command '" << name << "'\n";
        printUsage(err);
        return 2;
    }
    // Windows are built for the application and for screenshots; batch commands need none,
    // but a QApplication costs little and lets every command render.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && name != QLatin1String("gui")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ksiega"));
    try {
        return it->second.run(host::Arguments(args, it->second.flagNames));
    } catch (const host::UsageError& e) {
        err << "ksiega " << name << ": " << e.what() << "\n";
        return 2;
    } catch (const db::DbError& e) {
        err << "ksiega " << name << ": " << e.message() << "\n";
        return 1;
    } catch (const std::exception& e) {
        err << "ksiega " << name << ": " << e.what() << "\n";
        return 1;
    }
}
