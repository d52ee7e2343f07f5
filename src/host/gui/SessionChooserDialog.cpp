#include "host/gui/SessionChooserDialog.h"
#include "platform/ui/dialogs/Guarded.h"
#include "host/gui/PagedListModel.h"
#include "platform/runtime/Date.h"
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ksiega::host {

SessionChooserDialog::SessionChooserDialog(db::Database& db, int today, const SessionChoice& earlier, QWidget* parent)
    : QDialog(parent), m_controller(db, today) {
    setWindowTitle(QStringLiteral("Wybór firmy i roku obrotowego"));
    setObjectName(QStringLiteral("WYBOR_FIRMY"));

    m_companies = new PagedListModel(this);
    m_years = new PagedListModel(this);
    m_users = new PagedListModel(this);
    auto combo = [this](const char* name, PagedListModel* model) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setModel(model);
        box->setMinimumContentsLength(40);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        return box;
    };
    m_companyBox = combo("FIRMA", m_companies);
    m_yearBox = combo("ROK_OBROTOWY", m_years);
    m_userBox = combo("UZYTKOWNIK", m_users);
    m_dateEdit = new QDateEdit(this);
    m_dateEdit->setObjectName(QStringLiteral("DATA_BIEZACA"));
    m_dateEdit->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    m_dateEdit->setCalendarPopup(true);

    auto* form = new QFormLayout;
    auto row = [&](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    row(QStringLiteral("&Firma"), m_companyBox);
    row(QStringLiteral("&Rok obrotowy"), m_yearBox);
    row(QStringLiteral("&Użytkownik"), m_userBox);
    row(QStringLiteral("&Data bieżąca"), m_dateEdit);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    auto* cancel = buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("ANULUJ"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    m_companies->reset([this](const ListItem* after, int limit) { return m_controller.companyPage(after, limit); });
    m_users->reset([this](const ListItem* after, int limit) { return m_controller.userPage(after, limit); });
    m_controller.preselect(earlier);
    if (!m_controller.company() && m_companies->rowCount() > 0) m_controller.chooseCompany(m_companies->item(0).id);
    if (m_controller.user().isEmpty() && m_users->rowCount() > 0) m_controller.chooseUser(m_users->item(0).key);
    showCompany();
    m_binding = true;
    m_userBox->setCurrentIndex(m_controller.user().isEmpty() ? -1 : m_users->rowOfKey(m_controller.user()));
    m_binding = false;

    connect(m_companyBox, &QComboBox::currentIndexChanged, this, &SessionChooserDialog::companyPicked);
    connect(m_yearBox, &QComboBox::currentIndexChanged, this, &SessionChooserDialog::yearPicked);
    connect(m_userBox, &QComboBox::currentIndexChanged, this, &SessionChooserDialog::userPicked);
    connect(m_dateEdit, &QDateEdit::dateChanged, this, ui::guarded(this, [this](const QDate& d) {
        if (m_binding) return;
        m_controller.setWorkingDate(date::fromQDate(d));
    }));
    updateOk();
}

void SessionChooserDialog::showCompany() {
    m_binding = true;
    m_companyBox->setCurrentIndex(m_controller.company() ? m_companies->rowOf(m_controller.company()) : -1);
    m_years->reset([this](const ListItem* after, int limit) { return m_controller.yearPage(after, limit); });
    m_binding = false;
    showYear();
}

void SessionChooserDialog::showYear() {
    m_binding = true;
    m_yearBox->setCurrentIndex(m_controller.year() ? m_years->rowOf(m_controller.year()) : -1);
    m_dateEdit->setEnabled(m_controller.year() != 0);
    if (m_controller.year()) {
        m_dateEdit->setDateRange(date::toQDate(m_controller.yearFirst()), date::toQDate(m_controller.yearLast()));
        m_dateEdit->setDate(date::toQDate(m_controller.workingDate()));
    }
    m_binding = false;
    updateOk();
}

void SessionChooserDialog::companyPicked(int row) {
    if (m_binding || row < 0) return;
    m_controller.chooseCompany(m_companies->item(row).id);
    showCompany();
}

void SessionChooserDialog::yearPicked(int row) {
    if (m_binding || row < 0) return;
    m_controller.chooseYear(m_years->item(row).id);
    showYear();
}

void SessionChooserDialog::userPicked(int row) {
    if (m_binding || row < 0) return;
    m_controller.chooseUser(m_users->item(row).key);
    updateOk();
}

void SessionChooserDialog::updateOk() { m_ok->setEnabled(m_controller.complete()); }

} // namespace ksiega::host
