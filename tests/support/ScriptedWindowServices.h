#pragma once
// Window services for controller tests: each service answers what the test scripts
// (by default: nothing chosen, nothing printed) and the names of the services reached are
// recorded in order.
#include "entries/services/WindowServices.h"
#include <QStringList>
#include <functional>

namespace ksiega::test {

class ScriptedWindowServices : public entries::WindowServices {
public:
    QStringList calls;

    std::function<QString(const QString& mode)> onQuickFilter = [](const QString&) { return QString(); };
    std::function<std::optional<entries::SavedFilter>()> onChooseSavedFilter = [] { return std::nullopt; };
    std::function<void(const QString& expression)> onSaveFilter = [](const QString&) {};
    std::function<void(const entries::FieldList&)> onShowFields = [](const entries::FieldList&) {};
    std::function<void(int64_t idNagDok)> onContractorContacts = [](int64_t) {};
    std::function<bool(const entries::DrillDownEntry&)> onOpenDocument = [](const entries::DrillDownEntry&) { return false; };
    std::function<int(const QString& set)> onChooseStatement = [](const QString&) { return 0; };
    std::function<bool()> onAskPrintRange = [] { return false; };
    std::function<void(const entries::LedgerPrintJob&, const CurrencyCode&)> onStartListing =
        [](const entries::LedgerPrintJob&, const CurrencyCode&) {};
    std::function<void()> onStartAccountLedger = [] {};

    void attach(QWidget*, const std::vector<entries::WindowList>&) override { calls << "attach"; }
    QString quickFilter(const QString& mode) override { calls << "quickFilter"; return onQuickFilter(mode); }
    std::optional<entries::SavedFilter> chooseSavedFilter(int) override { calls << "chooseSavedFilter"; return onChooseSavedFilter(); }
    void saveFilter(int, const QString& expression) override { calls << "saveFilter"; onSaveFilter(expression); }
    void configureColumns(const entries::WindowList& list) override { calls << "configureColumns:" + list.objectName; }
    void exportList(const entries::WindowList& list) override { calls << "exportList:" + list.objectName; }
    void showFields(const entries::FieldList& fields) override { calls << "showFields"; onShowFields(fields); }
    void contractorContacts(int64_t id) override { calls << "contractorContacts"; onContractorContacts(id); }
    bool openDocument(const entries::DrillDownEntry& e) override { calls << "openDocument"; return onOpenDocument(e); }
    int chooseStatement(const QString& set) override { calls << "chooseStatement"; return onChooseStatement(set); }
    bool askPrintRange() override { calls << "askPrintRange"; return onAskPrintRange(); }
    void startListing(const entries::LedgerPrintJob& job, const CurrencyCode& c) override {
        calls << "startListing";
        onStartListing(job, c);
    }
    void startAccountLedger() override { calls << "startAccountLedger"; onStartAccountLedger(); }
};

} // namespace ksiega::test
