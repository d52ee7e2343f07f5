#pragma once
// Draws one page of the page model with a QPainter at a given scale (device pixels per
// millimetre). Shared by the PDF writer, the printer, the preview and the PNG image.
#include "platform/report/PageModel.h"

class QPainter;
class QImage;

namespace ksiega::report {

void paintPage(QPainter& painter, const Page& page, double pixelsPerMm);
// The page as an image, white paper, at dpi dots per inch.
QImage pageImage(const Document& document, int pageIndex, int dpi = 96);
// Writes the page as PNG; false when the file cannot be written.
bool writePageImage(const Document& document, int pageIndex, const QString& fileName, int dpi = 96);

} // namespace ksiega::report
