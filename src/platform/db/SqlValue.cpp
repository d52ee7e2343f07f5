#include "platform/db/SqlValue.h"

namespace ksiega::db {

int64_t SqlValue::toInt64() const {
    if (auto p = std::get_if<int64_t>(&m_value)) return *p;
    if (auto s = std::get_if<QString>(&m_value)) return s->trimmed().toLongLong();
    return 0;
}

QString SqlValue::toText() const {
    if (auto p = std::get_if<int64_t>(&m_value)) return QString::number(*p);
    if (auto s = std::get_if<QString>(&m_value)) return *s;
    return {};
}

} // namespace ksiega::db
