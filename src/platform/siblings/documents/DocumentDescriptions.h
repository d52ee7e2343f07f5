#pragma once
// The standard descriptions of the documents library: OPISY_DOKUMENTOW offers the
// descriptions of a kind ("R" settlements) and answers the chosen one. The library in
// force is documentDescriptions(); a test puts its own in place.
#include "platform/db/Database.h"
#include "platform/siblings/pickers/PickerList.h"
#include <QString>
#include <memory>

class QWidget;

namespace ksiega::documents {

// The kind of the descriptions offered for settlements.
inline const QString DESCRIPTIONS_SETTLEMENTS = QStringLiteral("R");

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

// Our stand-in's picker: the company's standard descriptions (OPISY_STANDARDOWE) of the
// kind, in the order of their text, and the answer it gives once the window closes: the
// chosen text, or `current` when nothing was chosen.
std::unique_ptr<pickers::PickerList> descriptionList(db::Database& db, int64_t idFirmy, const QString& kind);
QString finishDescriptionPick(pickers::PickerList& list, const QString& current);

} // namespace ksiega::documents
