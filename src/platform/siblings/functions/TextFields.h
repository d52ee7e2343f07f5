#pragma once
// Text helpers of the function library that the budget printouts call: fields of a
// parameter string, cutting a description at a word boundary, and the filter information
// handed over before a report.
#include <QString>
#include <QStringList>
#include <mutex>

namespace ksiega::functions {

// WYTNIJ_STR: field `n` (from 1) of `text` split at `separator`; "" past the last field.
QString WYTNIJ_STR(const QString& text, int n, const QString& separator = QStringLiteral(","));

// STRING_CUT: the first piece of `text` that fits `width` characters, cut at a word
// boundary; `rest` keeps what follows, so nothing of the text is lost.
QString STRING_CUT(const QString& text, int width, QString* rest);

// FILTR_INFO: the record filter of a browser that a report is about to print, kept per
// thread of the report; our stand-in keeps the last one handed over for each browser.
void FILTR_INFO(int browser, const QString& filter);
QString lastFilterInfo(int browser);

} // namespace ksiega::functions
