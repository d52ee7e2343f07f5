#include "settlements/importwizard/ImportWizardWindow.h"
#include "settlements/shared/SettlementTexts.h"
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ksiega::settlements {

ImportWizardWindow::ImportWizardWindow(ImportWizardController& controller, QWidget* parent) : QDialog(parent), m_c(controller) {
    setObjectName(ImportWizardController::PROCEDURE);
    setWindowTitle(texts::WIZARD_CAPTION);
    m_parts = new ChoiceWidgets(m_c, this);
    auto* layout = new QVBoxLayout(this);
    m_account = new QLabel(this);
    m_account->setObjectName(QStringLiteral("TXT_KONTO"));
    layout->addWidget(m_account);

    m_sheet = new QTabWidget(this);
    m_sheet->setObjectName(QStringLiteral("SHEET1"));
    auto* first = new QWidget;
    auto* firstLayout = new QVBoxLayout(first);
    auto* heading = new QLabel(texts::WIZARD_CAPTION, first);
    QFont f = heading->font();
    f.setPointSize(f.pointSize() + 4);
    f.setBold(true);
    heading->setFont(f);
    firstLayout->addWidget(heading);
    firstLayout->addStretch();
    m_sheet->addTab(first, QStringLiteral("Start"));

    auto* second = new QWidget;
    auto* secondLayout = new QVBoxLayout(second);
    secondLayout->addWidget(m_parts->optionsBox(second));
    secondLayout->addWidget(m_parts->listBox(second), 1);
    m_sheet->addTab(second, QStringLiteral("Rozrachunki"));

    m_sheet->addTab(m_parts->resultBox(nullptr), QStringLiteral("Raport"));
    layout->addWidget(m_sheet, 1);
    layout->addWidget(m_parts->buttonRow(this));

    connect(m_sheet, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_syncing) m_c.setPage(WizardPage(index));
    });
    m_c.changed = [this] { sync(); };
    resize(820, 520);
    sync();
}

ImportWizardWindow::~ImportWizardWindow() { m_c.changed = nullptr; }

void ImportWizardWindow::sync() {
    m_syncing = true;
    m_account->setText(m_c.accountText());
    m_sheet->setCurrentIndex(int(m_c.page()));
    m_parts->sync();
    m_syncing = false;
}

} // namespace ksiega::settlements
