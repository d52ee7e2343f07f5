#pragma once
// The ksiega executable run as a child process by the command tests: its exit code and
// what it wrote to standard output and standard error.
#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace ksiega::test {

struct Outcome {
    int exitCode = -1;
    QString out, err;
};

inline QString ksiegaProgram() { return QCoreApplication::applicationDirPath() + "/../ksiega"; }

// Waits for a started run (two minutes at most) and takes what it wrote.
inline Outcome finish(QProcess& p) {
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

inline Outcome runKsiega(const QStringList& args,
                         const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(ksiegaProgram(), args);
    return finish(p);
}

// A CSV line of a command's output as its fields (quotes doubled inside quoted fields).
inline QStringList csvFields(const QString& line) {
    QStringList fields;
    QString f;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') f += c, ++i;
        else if (c == '"') quoted = !quoted;
        else if (c == ',' && !quoted) fields << f, f.clear();
        else f += c;
    }
    return fields << f;
}

} // namespace ksiega::test
