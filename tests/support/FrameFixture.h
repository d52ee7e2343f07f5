#pragma once
// A fresh session and a freshly loaded module for each test: settings in a temporary
// file, scripted dialogs, the sibling stand-ins back in place afterwards.
#include "frame/SessionContext.h"
#include "frame/lifecycle/ModuleState.h"
#include "platform/siblings/SiblingLibrary.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ksiega::test {

inline void freshModule(const QTemporaryDir& dir) {
    resetSession();
    session().GGG_SCIEZKA_SET = dir.filePath(QStringLiteral("ksiega.ini"));
    session().DANE_ID_FIRMY = 1;
    session().DANE_LATA_OBROTOWE = 7;
    resetModuleState();
}

inline void restoreStandIns() {
    for (Sibling which : SIBLING_ORDER) replaceSiblingLibrary(which, nullptr);
}

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override { freshModule(m_dir); }
    void TearDown() override {
        restoreStandIns();
        unloadModule();
    }
    QString settingsFile() const { return m_dir.filePath(QStringLiteral("ksiega.ini")); }

    QTemporaryDir m_dir;
    ui::ScriptedDialogs m_dialogs;
    ui::ScopedDialogs m_installed{m_dialogs};
};

} // namespace ksiega::test
