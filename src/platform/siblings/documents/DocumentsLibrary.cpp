#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/siblings/documents/DocumentsStandIn.h"
#include <atomic>

namespace ksiega::documents {

namespace {
std::atomic<DocumentsLibrary*> g_replacement{nullptr};
} // namespace

DocumentsLibrary& documentsLibrary() {
    if (DocumentsLibrary* r = g_replacement.load()) return *r;
    static DocumentsStandIn standIn;
    return standIn;
}

void replaceDocumentsLibrary(DocumentsLibrary* library) { g_replacement.store(library); }

} // namespace ksiega::documents
