#include "platform/siblings/pickers/DatePickers.h"
#include "platform/runtime/Date.h"
#include <QCalendarWidget>
#include <QDateEdit>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace ksiega::pickers {

namespace {

QDate shownDate(int day) { return day > 0 ? date::toQDate(day) : QDate::currentDate(); }

QHBoxLayout* okCancel(QDialog& dialog) {
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), &dialog);
    cancel->setObjectName(QStringLiteral("ANULUJ"));
    cancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return buttons;
}

QDateEdit* dateEntry(const QString& name, int day, QWidget* parent) {
    auto* edit = new QDateEdit(shownDate(day), parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    edit->setCalendarPopup(true);
    return edit;
}

class StandInDatePickers : public DatePickers {
public:
    int KALENDARZ(int day) override {
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("KALENDARZ"));
        dialog.setWindowTitle(QStringLiteral("Kalendarz"));
        auto* layout = new QVBoxLayout(&dialog);
        auto* calendar = new QCalendarWidget(&dialog);
        calendar->setObjectName(QStringLiteral("KALENDARZ"));
        calendar->setSelectedDate(shownDate(day));
        calendar->setFirstDayOfWeek(Qt::Monday);
        layout->addWidget(calendar);
        layout->addLayout(okCancel(dialog));
        QObject::connect(calendar, &QCalendarWidget::activated, &dialog, &QDialog::accept);
        if (dialog.exec() != QDialog::Accepted) return day;
        return date::fromQDate(calendar->selectedDate());
    }

    bool GET_ZAKRES_DAT(int& from, int& to) override {
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("GET_ZAKRES_DAT"));
        dialog.setWindowTitle(QStringLiteral("Zakres dat"));
        auto* layout = new QVBoxLayout(&dialog);
        auto* form = new QFormLayout;
        auto* first = dateEntry(QStringLiteral("DATA_OD"), from, &dialog);
        auto* second = dateEntry(QStringLiteral("DATA_DO"), to, &dialog);
        form->addRow(QStringLiteral("Od:"), first);
        form->addRow(QStringLiteral("Do:"), second);
        layout->addLayout(form);
        layout->addLayout(okCancel(dialog));
        if (dialog.exec() != QDialog::Accepted) return false;
        from = date::fromQDate(first->date());
        to = date::fromQDate(second->date());
        normaliseDateRange(from, to);
        return true;
    }
};

StandInDatePickers g_standIn;
DatePickers* g_replacement = nullptr;

} // namespace

DatePickers& datePickers() { return g_replacement ? *g_replacement : g_standIn; }
void replaceDatePickers(DatePickers* pickers) { g_replacement = pickers; }

void normaliseDateRange(int& from, int& to) {
    if (from == 0) from = to;
    if (to == 0) to = from;
    if (from > to) std::swap(from, to);
}

} // namespace ksiega::pickers
