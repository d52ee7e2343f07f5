#pragma once
// The demo data files embedded in the program (resources/demo): semicolon-separated text,
// UTF-8, lines starting with '#' are comments.
#include <QString>
#include <QStringList>
#include <vector>

namespace ksiega::db::demo {

// The fields of every data line of ":/demo/<name>"; throws DbError when the file is missing.
std::vector<QStringList> readDemoTable(const QString& name);

} // namespace ksiega::db::demo
