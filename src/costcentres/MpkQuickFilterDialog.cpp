#include "costcentres/MpkQuickFilterDialog.h"
#include "costcentres/MpkTexts.h"
#include "platform/runtime/Date.h"
#include "platform/ui/dialogs/Guarded.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ksiega::costcentres {

namespace {

QWidget* markList(QListWidget*& list, const QString& name, QWidget* parent, const std::function<void(bool)>& all) {
    auto* box = new QWidget(parent);
    auto* v = new QVBoxLayout(box);
    list = new QListWidget(box);
    list->setObjectName(name);
    v->addWidget(list);
    auto* h = new QHBoxLayout;
    auto* on = new QPushButton(QStringLiteral("Zaznacz wszystkie"), box);
    auto* off = new QPushButton(QStringLiteral("Odznacz wszystkie"), box);
    QObject::connect(on, &QPushButton::clicked, box, [all] { all(true); });
    QObject::connect(off, &QPushButton::clicked, box, [all] { all(false); });
    h->addWidget(on);
    h->addWidget(off);
    v->addLayout(h);
    return box;
}

QDateEdit* dateEdit(const QString& name, QWidget* parent) {
    auto* d = new QDateEdit(parent);
    d->setObjectName(name);
    d->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    d->setCalendarPopup(true);
    return d;
}

} // namespace

MpkQuickFilterDialog::MpkQuickFilterDialog(MpkQuickFilterController& controller, QWidget* parent)
    : QDialog(parent), m_c(controller) {
    setObjectName(QStringLiteral("MPK_SZYBKI_FILTR"));
    setWindowTitle(texts::QUICK_CAPTION);
    auto* v = new QVBoxLayout(this);
    m_year = new QComboBox(this);
    m_year->setObjectName(QStringLiteral("FO:NAZWA_ROKU"));
    for (const FiscalYear& y : m_c.years()) m_year->addItem(y.name, QVariant::fromValue<qlonglong>(y.id));
    v->addWidget(m_year);

    auto* tabs = new QTabWidget(this);
    auto* first = new QWidget(tabs);
    auto* h1 = new QHBoxLayout(first);
    h1->addWidget(markList(m_journals, QStringLiteral("LIST1"), first, [this](bool on) {
        takeChoice();
        m_c.setAll(MarkList::Journals, on);
        fillList(MarkList::Journals);
    }));
    h1->addWidget(markList(m_periods, QStringLiteral("LIST2"), first, [this](bool on) {
        takeChoice();
        m_c.setAll(MarkList::Periods, on);
        fillList(MarkList::Periods);
    }));
    tabs->addTab(first, QStringLiteral("&Dzienniki/Okresy obrotowe"));

    auto* second = new QWidget(tabs);
    auto* h2 = new QHBoxLayout(second);
    auto* accounts = new QWidget(second);
    auto* form = new QFormLayout(accounts);
    m_account = new QButtonGroup(this);
    const QStringList choices = {QStringLiteral("Wszystkie"), QStringLiteral("Zakres"), QStringLiteral("Maska"),
                                 QStringLiteral("Pojedyncze")};
    for (int i = 0; i < choices.size(); ++i) {
        auto* r = new QRadioButton(choices[i], accounts);
        m_account->addButton(r, i);
        form->addRow(r);
    }
    m_from = new QLineEdit(accounts);
    m_from->setObjectName(QStringLiteral("L_ZAKRES_KONT_1"));
    m_from->setMaxLength(60);
    m_to = new QLineEdit(accounts);
    m_to->setObjectName(QStringLiteral("L_ZAKRES_KONT_2"));
    m_to->setMaxLength(60);
    m_mask = new QLineEdit(accounts);
    m_mask->setObjectName(QStringLiteral("L_MASKA_KONT"));
    m_mask->setMaxLength(70);
    m_single = new QLineEdit(accounts);
    m_single->setObjectName(QStringLiteral("L_WYBRANE_KONTO"));
    m_single->setMaxLength(70);
    form->addRow(QStringLiteral("Zakres"), m_from);
    form->addRow(QString(), m_to);
    form->addRow(QStringLiteral("Maska"), m_mask);
    auto* chart = new QPushButton(QStringLiteral("..."), accounts);
    chart->setObjectName(QStringLiteral("B_PLAN"));
    chart->setToolTip(QStringLiteral("Plan kont"));
    auto* singleRow = new QHBoxLayout;
    singleRow->addWidget(m_single, 1);
    singleRow->addWidget(chart);
    form->addRow(QStringLiteral("Pojedyncze"), singleRow);
    connect(chart, &QPushButton::clicked, this, ui::guarded(this, [this] {
        takeChoice();
        m_c.pickAccount();
        showChoice();
    }));
    m_dt = new QCheckBox(QStringLiteral("Strona Dt"), accounts);
    m_dt->setObjectName(QStringLiteral("L_STRONA_WN"));
    m_ct = new QCheckBox(QStringLiteral("Strona Ct"), accounts);
    m_ct->setObjectName(QStringLiteral("L_STRONA_MA"));
    form->addRow(m_dt);
    form->addRow(m_ct);
    h2->addWidget(accounts);
    h2->addWidget(markList(m_types, QStringLiteral("LIST3"), second, [this](bool on) {
        takeChoice();
        m_c.setAll(MarkList::Types, on);
        fillList(MarkList::Types);
    }));
    tabs->addTab(second, QStringLiteral("Konto/Typy dokumentów"));

    auto* third = new QWidget(tabs);
    auto* f3 = new QFormLayout(third);
    m_docDates = new QCheckBox(QStringLiteral("Określony"), third);
    m_docDates->setObjectName(QStringLiteral("F_LOK_DATA_DOKUMENTU"));
    m_doc1 = dateEdit(QStringLiteral("L_DATA_DOKUMENTU_1"), third);
    m_doc2 = dateEdit(QStringLiteral("L_DATA_DOKUMENTU_2"), third);
    m_postDates = new QCheckBox(QStringLiteral("Określony"), third);
    m_postDates->setObjectName(QStringLiteral("F_LOK_DATA_KSIEGOWANIA"));
    m_post1 = dateEdit(QStringLiteral("L_DATA_KSIEGOWANIA_1"), third);
    m_post2 = dateEdit(QStringLiteral("L_DATA_KSIEGOWANIA_2"), third);
    // A date pair with its "Wybór zakresu dat" and calendar buttons.
    auto datePair = [this, third, f3](const QString& title, QCheckBox* on, QDateEdit* first, QDateEdit* second, const QString& suffix,
                                      bool documentDates) {
        auto* row = new QHBoxLayout;
        row->addWidget(on);
        const auto act = [this](const std::function<void()>& pick) {
            takeChoice();
            pick();
            showChoice();
        };
        auto* range = new QPushButton(QStringLiteral("Wybór zakresu dat"), third);
        range->setObjectName(QStringLiteral("B_ZAKRES_DAT_") + suffix);
        connect(range, &QPushButton::clicked, this, ui::guarded(this, [=, this] { act([=, this] { m_c.pickDateRange(documentDates); }); }));
        row->addWidget(range);
        f3->addRow(title, row);
        auto* dates = new QHBoxLayout;
        for (int which : {1, 2}) {
            dates->addWidget(which == 1 ? first : second);
            auto* calendar = new QPushButton(QStringLiteral("..."), third);
            calendar->setObjectName(QStringLiteral("B_KALENDARZ_%1_%2").arg(suffix).arg(which));
            calendar->setToolTip(QStringLiteral("Kalendarz"));
            connect(calendar, &QPushButton::clicked, this, ui::guarded(this, [=, this] { act([=, this] { m_c.pickDate(documentDates, which); }); }));
            dates->addWidget(calendar);
        }
        f3->addRow(dates);
    };
    datePair(QStringLiteral("Data dokumentu"), m_docDates, m_doc1, m_doc2, QStringLiteral("DOKUMENTU"), true);
    datePair(QStringLiteral("Data księgowania"), m_postDates, m_post1, m_post2, QStringLiteral("KSIEGOWANIA"), false);
    tabs->addTab(third, QStringLiteral("Daty"));
    v->addWidget(tabs);

    auto* buttons = new QHBoxLayout;
    auto* clear = new QPushButton(QStringLiteral("Czyść ustawienia"), this);
    clear->setObjectName(QStringLiteral("B_CZYSC"));
    auto* run = new QPushButton(QStringLiteral("Wykonaj"), this);
    run->setObjectName(QStringLiteral("OK"));
    run->setShortcut(QKeySequence(Qt::Key_F10));
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(run);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setObjectName(QStringLiteral("B_ANULUJ"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    v->addLayout(buttons);

    for (MarkList list : {MarkList::Journals, MarkList::Periods, MarkList::Types}) {
        connect(listOf(list), &QListWidget::itemDoubleClicked, this, ui::guarded(this, [this, list](QListWidgetItem* item) {
            takeChoice();
            m_c.toggle(list, listOf(list)->row(item));
            fillList(list);
        }));
    }
    connect(m_year, &QComboBox::activated, this, ui::guarded(this, [this](int i) {
        m_c.chooseYear(m_year->itemData(i).toLongLong());
        showChoice();
    }));
    connect(clear, &QPushButton::clicked, this, ui::guarded(this, [this] {
        m_c.clearSettings();
        showChoice();
    }));
    connect(run, &QPushButton::clicked, this, ui::guarded(this, [this] {
        takeChoice();
        if (m_c.apply()) accept();
    }));
    showChoice();
}

QListWidget* MpkQuickFilterDialog::listOf(MarkList list) const {
    switch (list) {
    case MarkList::Journals: return m_journals;
    case MarkList::Periods: return m_periods;
    case MarkList::Types: break;
    }
    return m_types;
}

void MpkQuickFilterDialog::fillList(MarkList list) {
    QListWidget* w = listOf(list);
    w->clear();
    for (const MarkRow& r : m_c.rows(list)) {
        auto* item = new QListWidgetItem(r.text, w);
        item->setCheckState(r.marked ? Qt::Checked : Qt::Unchecked);
    }
}

void MpkQuickFilterDialog::showChoice() {
    const MpkQuickFilterChoice& c = m_c.choice();
    for (int i = 0; i < m_year->count(); ++i)
        if (m_year->itemData(i).toLongLong() == c.year) m_year->setCurrentIndex(i);
    for (MarkList list : {MarkList::Journals, MarkList::Periods, MarkList::Types}) fillList(list);
    m_dt->setChecked(c.sideDt);
    m_ct->setChecked(c.sideCt);
    m_account->button(int(c.account))->setChecked(true);
    m_from->setText(c.rangeFrom);
    m_to->setText(c.rangeTo);
    m_mask->setText(c.mask);
    m_single->setText(c.single);
    m_docDates->setChecked(c.documentDates);
    m_doc1->setDate(date::toQDate(c.documentFrom));
    m_doc2->setDate(date::toQDate(c.documentTo));
    m_postDates->setChecked(c.postingDates);
    m_post1->setDate(date::toQDate(c.postingFrom));
    m_post2->setDate(date::toQDate(c.postingTo));
}

void MpkQuickFilterDialog::takeChoice() {
    MpkQuickFilterChoice& c = m_c.edit();
    for (MarkList list : {MarkList::Journals, MarkList::Periods, MarkList::Types}) {
        QListWidget* w = listOf(list);
        for (int i = 0; i < w->count(); ++i)
            if ((w->item(i)->checkState() == Qt::Checked) != m_c.rows(list)[size_t(i)].marked) m_c.toggle(list, i);
    }
    c.sideDt = m_dt->isChecked();
    c.sideCt = m_ct->isChecked();
    c.account = AccountChoice(std::max(0, m_account->checkedId()));
    c.rangeFrom = m_from->text();
    c.rangeTo = m_to->text();
    c.mask = m_mask->text();
    c.single = m_single->text();
    c.documentDates = m_docDates->isChecked();
    c.documentFrom = date::fromQDate(m_doc1->date());
    c.documentTo = date::fromQDate(m_doc2->date());
    c.postingDates = m_postDates->isChecked();
    c.postingFrom = date::fromQDate(m_post1->date());
    c.postingTo = date::fromQDate(m_post2->date());
}

} // namespace ksiega::costcentres
