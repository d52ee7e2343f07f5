#pragma once
// The icon set: one SVG drawing of our own for every icon name the windows use, looked
// up by the name the windows give ("~BoxOn.ico", "Drzewo_plus.ico"): case-insensitive,
// with or without the leading "~" and the ".ico" ending. A name without a drawing gives
// a visible placeholder (a red square with "?") and logs a warning.
#include <QIcon>
#include <QString>
#include <optional>

namespace ksiega::icons {

// "~BoxOn.ico" -> "boxon"
QString normalizedName(const QString& name);
// Resource path of the drawing (":/icons/boxon.svg"), nullopt when there is none.
std::optional<QString> resourcePath(const QString& name);
QIcon byName(const QString& name);
QIcon placeholder();

} // namespace ksiega::icons
