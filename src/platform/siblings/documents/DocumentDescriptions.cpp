#include "platform/siblings/documents/DocumentDescriptions.h"
#include <atomic>

namespace ksiega::documents {
namespace {

class PlaceholderDescriptions : public DocumentDescriptions {
public:
    QString OPISY_DOKUMENTOW(db::Database&, int64_t, const QString&, const QString& current, QWidget*) override { return current; }
};

std::atomic<DocumentDescriptions*> g_replacement{nullptr};

} // namespace

DocumentDescriptions& documentDescriptions() {
    if (DocumentDescriptions* r = g_replacement.load()) return *r;
    static PlaceholderDescriptions standIn;
    return standIn;
}

void replaceDocumentDescriptions(DocumentDescriptions* library) { g_replacement.store(library); }

} // namespace ksiega::documents
