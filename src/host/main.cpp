// ksiega: the host application (no subcommand) and the command-line tool.
#include "host/QtNoise.h"
#include "host/RuntimeFolder.h"
#include "host/Subcommands.h"
#include "platform/db/DbError.h"
#include <QApplication>
#include <QTextStream>
#include <cstdio>

using namespace ksiega;

static void printUsage(QTextStream& out) {
    out << "usage: ksiega [--db URL] [--company ID] [--year Y] [--user LOGIN]   open the application\n";
    host::subcommands().forEach([&](const QString&, const host::Subcommand& command) {
        out << "       ksiega " << host::usageLine(command) << "\n";
        out << "           " << command.summary << "\n";
    });
    out << "ksiega help COMMAND shows the options of one command.\n";
}

// `ksiega help`, `ksiega help COMMAND` and `ksiega COMMAND --help`.
static int help(const QString& name) {
    QTextStream out(stdout);
    if (name.isEmpty()) {
        printUsage(out);
        return 0;
    }
    const host::Subcommand* command = host::subcommands().find(name);
    if (!command) {
        QTextStream err(stderr);
        err << "ksiega: unknown command '" << name << "'\n";
        printUsage(err);
        return 2;
    }
    out << host::commandHelp(*command);
    return 0;
}

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const bool named = !args.isEmpty() && !args.first().startsWith(QLatin1String("--"));
    const QString name = named ? args.takeFirst() : QStringLiteral("gui");
    QTextStream err(stderr);

    if (name == QLatin1String("help")) return help(args.value(0));
    if (args.contains(QLatin1String("--help"))) return help(named ? name : QString());
    const host::Subcommand* command = host::subcommands().find(name);
    if (!command) {
        err << "ksiega: unknown command '" << name << "'\n";
        printUsage(err);
        return 2;
    }
    // Windows are built for the application and for screenshots; batch commands need none,
    // but a QApplication costs little and lets every command render.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && name != QLatin1String("gui")) qputenv("QT_QPA_PLATFORM", "offscreen");
    host::ensureRuntimeFolder();
    host::silenceQtNoise();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ksiega"));
    try {
        return command->run(host::parseArguments(*command, args));
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
