#pragma once
// The standard descriptions of the documents library: OPISY_DOKUMENTOW offers the
// descriptions of a kind ("R" settlements) and answers the chosen one. The library in
// force is documentDescriptions(); a test puts its own in place.
#include "platform/db/Database.h"
#include <QString>

class QWidget;

namespace ksiega::documents {

class DocumentDescriptions {
public:
    virtual ~DocumentDescriptions() = default;
    // The chosen description, or `current` unchanged when nothing was chosen.
    virtual QString OPISY_DOKUMENTOW(db::Database& db, int64_t idFirmy, const QString& kind, const QString& current,
                                     QWidget* parent) = 0;
};

DocumentDescriptions& documentDescriptions();
// Puts a library in place (not owned); nullptr brings our stand-in back.
void replaceDocumentDescriptions(DocumentDescriptions* library);

} // namespace ksiega::documents
