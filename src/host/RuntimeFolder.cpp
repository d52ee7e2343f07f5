#include "host/RuntimeFolder.h"
#include <QByteArray>
#include <QDir>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace ksiega::host {

namespace {

// A real folder (not a link), ours, readable by nobody else: what Qt accepts.
bool privateFolder(const QByteArray& path) {
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 0777) == 0700;
}

QByteArray temporaryRoot() {
    const QByteArray tmp = qgetenv("TMPDIR");
    return tmp.isEmpty() ? QByteArrayLiteral("/tmp") : tmp;
}

} // namespace

QString ensureRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return {};
    const QByteArray usual = temporaryRoot() + "/ksiega-runtime-" + QByteArray::number(uint(::getuid()));
    QByteArray folder;
    if (::mkdir(usual.constData(), 0700) == 0) ::chmod(usual.constData(), 0700);
    if (privateFolder(usual)) folder = usual;
    if (folder.isEmpty()) {
        QByteArray pattern = temporaryRoot() + "/ksiega-runtime-XXXXXX";
        if (::mkdtemp(pattern.data())) folder = pattern;
    }
    if (folder.isEmpty()) return {};
    qputenv("XDG_RUNTIME_DIR", folder);
    return QString::fromLocal8Bit(folder);
}

} // namespace ksiega::host
