#pragma once
// MSG_INF and MSG_OST: one text in an information or a warning box ("|" starts a new line).
#include <QString>

namespace ksiega {

void MSG_INF(const QString& text);
void MSG_OST(const QString& text);

} // namespace ksiega
