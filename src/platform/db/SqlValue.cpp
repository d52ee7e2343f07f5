#include "platform/db/SqlValue.h"
#include "platform/db/DbError.h"
#include "platform/db/ExactInteger.h"

namespace ksiega::db {

int64_t SqlValue::toInt64() const {
    if (auto p = std::get_if<int64_t>(&m_value)) return *p;
    if (auto s = std::get_if<QString>(&m_value)) {
        if (const auto value = exactInteger(QByteArrayView(s->toUtf8()))) return *value;
        throw DbError(QStringLiteral("Wartość „%1” nie jest liczbą całkowitą.").arg(*s));
    }
    return 0;
}

QString SqlValue::toText() const {
    if (auto p = std::get_if<int64_t>(&m_value)) return QString::number(*p);
    if (auto s = std::get_if<QString>(&m_value)) return *s;
    return {};
}

} // namespace ksiega::db
