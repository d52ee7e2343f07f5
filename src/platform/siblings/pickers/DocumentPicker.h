#pragma once
// The document picker of the documents library: DOKUMENTY_PRZEG("1") lists the ledger
// documents (NAG_DOK) of the year; the person picks one, or marks several, which are
// then left in selection browser 1. Returns the document id, 0 when cancelled.
#include "platform/siblings/pickers/PickerContext.h"
#include "platform/siblings/pickers/PickerList.h"

namespace ksiega::pickers {

inline constexpr int64_t kDocumentBrowser = 1;

class DocumentPicker {
public:
    virtual ~DocumentPicker() = default;
    virtual int64_t DOKUMENTY_PRZEG(const PickerContext& context, const QString& mode) = 0;
};

DocumentPicker& documentPicker();
// Puts a picker in place (not owned); nullptr brings the stand-in back.
void replaceDocumentPicker(DocumentPicker* picker);

// The stand-in's list and what it leaves behind once the person chose.
std::unique_ptr<PickerList> documentList(const PickerContext& context);
// Stores the marked documents (or the one chosen) in browser 1 and returns the id.
int64_t finishDocumentPick(PickerList& list, const PickerContext& context);

} // namespace ksiega::pickers
