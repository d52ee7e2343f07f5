#pragma once
// CPU time of a measured piece of work, for a machine shared with other work.
#include "platform/db/Database.h"
#include <QFile>
#include <sys/resource.h>
#include <unistd.h>

namespace ksiega::bench {

// CPU seconds of this process and, on PostgreSQL, of the connection's server process when it
// runs on this machine: on a machine shared with other work the wall clock mostly measures
// waiting, the CPU time measures the work.
class CpuClock {
public:
    explicit CpuClock(db::Database& db) {
        if (db.url().startsWith(QLatin1String("postgres")))
            m_backend = db.scalarInt("select pg_backend_pid()").value_or(0);
        m_start = now();
    }
    double seconds() const { return now() - m_start; }

private:
    double now() const {
        rusage u{};
        getrusage(RUSAGE_SELF, &u);
        double s = double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
        if (m_backend) {
            QFile f(QStringLiteral("/proc/%1/stat").arg(m_backend));
            if (f.open(QIODevice::ReadOnly)) {
                const QList<QByteArray> fields = f.readAll().split(' ');
                if (fields.size() > 15) s += double(fields[13].toLongLong() + fields[14].toLongLong()) / double(sysconf(_SC_CLK_TCK));
            }
        }
        return s;
    }
    int64_t m_backend = 0;
    double m_start = 0;
};

} // namespace ksiega::bench
