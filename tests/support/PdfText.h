#pragma once
// The text of a PDF as an independent reader extracts it (pdftotext, layout kept).
#include <QProcess>
#include <QString>

namespace ksiega::test {

// "" when the reader is missing or fails.
inline QString pdfText(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                          file, QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace ksiega::test
