#include "budget/quickfilter/BudgetQuickFilterDialog.h"
#include "platform/runtime/Date.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ksiega::budget {

namespace {

const QString HINT_MASKI = QStringLiteral("* - ciąg znaków   ? - pojedynczy znak");

QWidget* markList(QListWidget*& list, const QString& name, const QString& title, QWidget* parent,
                  const std::function<void(bool)>& all) {
    auto* box = new QGroupBox(title, parent);
    auto* v = new QVBoxLayout(box);
    list = new QListWidget(box);
    list->setObjectName(name);
    v->addWidget(list);
    auto* h = new QHBoxLayout;
    auto* on = new QPushButton(QStringLiteral("Zaznacz wszystkie"), box);
    on->setObjectName(name + QStringLiteral("_ZAZNACZ"));
    auto* off = new QPushButton(QStringLiteral("Odznacz wszystkie"), box);
    off->setObjectName(name + QStringLiteral("_ODZNACZ"));
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

QLineEdit* lineEdit(const QString& name, int length, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(length);
    return e;
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

BudgetQuickFilterDialog::BudgetQuickFilterDialog(BudgetQuickFilterController& controller, QWidget* parent)
    : QDialog(parent), m_c(controller) {
    setObjectName(QStringLiteral("BT_SZYBKI_FILTR"));
    setWindowTitle(m_c.caption());
    auto* v = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("TABS"));
    if (m_c.exportMode()) tabs->addTab(exportTab(), QStringLiteral("Podstawowe"));
    tabs->addTab(classificationTab(), QStringLiteral("Klasyfikacja"));
    tabs->addTab(listsTab(), m_c.exportMode() ? QStringLiteral("Dzienniki") : QStringLiteral("Dzienniki/Okresy obrotowe"));
    tabs->addTab(accountsTab(), QStringLiteral("Konta/Typy dokumentów"));
    QWidget* dates = datesTab();
    if (!m_c.exportMode()) tabs->addTab(dates, QStringLiteral("Daty"));
    else dates->hide();
    v->addWidget(tabs);

    auto* buttons = new QHBoxLayout;
    auto* clear = button(QStringLiteral("B_CZYSC"), QStringLiteral("Czyść ustawienia filtra"), this);
    clear->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    auto* run = button(QStringLiteral("B_FILTRUJ"), QStringLiteral("Wykonaj"), this);
    run->setShortcut(QKeySequence(Qt::Key_F10));
    auto* cancel = button(QStringLiteral("B_ANULUJ"), m_c.cancelText(), this);
    cancel->setShortcut(QKeySequence(Qt::Key_Escape));
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(run);
    buttons->addWidget(cancel);
    v->addLayout(buttons);

    connect(clear, &QPushButton::clicked, this, [this] {
        m_c.clearSettings();
        showChoice();
    });
    connect(run, &QPushButton::clicked, this, [this] {
        takeChoice();
        const bool ok = m_c.apply();
        if (!ok) selectControl(m_c.controlToSelect());
        // The export window stays open for the next file.
        if (ok && !m_c.exportMode()) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showChoice();
}

QWidget* BudgetQuickFilterDialog::exportTab() {
    auto* tab = new QWidget;
    auto* form = new QFormLayout(tab);
    m_exportSide = new QComboBox(tab);
    m_exportSide->setObjectName(QStringLiteral("BT_TYP_KLASYFIKACJI"));
    m_exportSide->addItem(QStringLiteral(" Wydatki"), QStringLiteral("W"));
    m_exportSide->addItem(QStringLiteral(" Dochody"), QStringLiteral("D"));
    form->addRow(QStringLiteral("Typ klasyfikacji"), m_exportSide);
    m_format = new QComboBox(tab);
    m_format->setObjectName(QStringLiteral("BT_RODZAJ_EKSPORTU"));
    m_format->addItem(QStringLiteral("Besti@"), QStringLiteral("BESTIA"));
    m_format->addItem(QStringLiteral("JST"), QStringLiteral("JST"));
    m_format->addItem(QStringLiteral("JB"), QStringLiteral("JB"));
    form->addRow(QStringLiteral("Eksport do... "), m_format);

    auto* period = new QGroupBox(QStringLiteral("Okres rozliczeniowy"), tab);
    auto* pv = new QVBoxLayout(period);
    auto* kind = new QHBoxLayout;
    m_quarters = new QRadioButton(QStringLiteral("Kwartały"), period);
    m_quarters->setObjectName(QStringLiteral("BT_WG_KWARTALOW_SUMUJ"));
    m_months = new QRadioButton(QStringLiteral("Miesiące"), period);
    m_months->setObjectName(QStringLiteral("BT_WG_MIESIECY"));
    kind->addWidget(m_quarters);
    kind->addWidget(m_months);
    pv->addLayout(kind);
    m_exportPeriods = new QListWidget(period);
    m_exportPeriods->setObjectName(QStringLiteral("LIST5"));
    pv->addWidget(m_exportPeriods);
    m_inQuarter = new QCheckBox(QStringLiteral("Sumuj narastająco w kwartale"), period);
    m_inQuarter->setObjectName(QStringLiteral("BT_NARASTAJACO_W_KWARTALE"));
    m_inYear = new QCheckBox(QStringLiteral("Sumuj narastająco od początku roku"), period);
    m_inYear->setObjectName(QStringLiteral("BT_NARASTAJACO_W_ROKU"));
    pv->addWidget(m_inQuarter);
    pv->addWidget(m_inYear);
    form->addRow(period);

    m_kw = lineEdit(QStringLiteral("BT_GUS_KW"), 2, tab);
    m_kp = lineEdit(QStringLiteral("BT_GUS_KP"), 2, tab);
    m_kg = lineEdit(QStringLiteral("BT_GUS_KG"), 2, tab);
    m_tg = lineEdit(QStringLiteral("BT_GUS_TG"), 1, tab);
    m_tp = lineEdit(QStringLiteral("BT_GUS_TP"), 1, tab);
    form->addRow(QStringLiteral("Kod województwa"), m_kw);
    form->addRow(QStringLiteral("Kod powiatu"), m_kp);
    form->addRow(QStringLiteral("Kod gminy"), m_kg);
    form->addRow(QStringLiteral("Typ gminy"), m_tg);
    form->addRow(QStringLiteral("Typ powiatu"), m_tp);
    m_regon1 = lineEdit(QStringLiteral("BT_REGON1"), 9, tab);
    m_regon2 = lineEdit(QStringLiteral("BT_REGON2"), 14, tab);
    form->addRow(QStringLiteral("Regon"), m_regon1);
    form->addRow(QStringLiteral("Regon (rozszerzony)"), m_regon2);
    m_jb = lineEdit(QStringLiteral("BT_IDENTYFIKATOR_JB"), 5, tab);
    m_jb->setInputMask(QStringLiteral("99999"));
    form->addRow(QStringLiteral("Identyfikator JB"), m_jb);
    m_rounding = new QComboBox(tab);
    m_rounding->setObjectName(QStringLiteral("BT_SPOSOB_ZAOKRAGLENIA"));
    m_rounding->addItem(QStringLiteral("bez zmian"), int(ExportRounding::None));
    m_rounding->addItem(QStringLiteral("obcinaj grosze"), int(ExportRounding::Truncate));
    m_rounding->addItem(QStringLiteral("zaokrąglaj do pełnych złotych"), int(ExportRounding::Whole));
    form->addRow(QStringLiteral("Zaokrąglanie kwoty"), m_rounding);
    m_reportDate = dateEdit(QStringLiteral("BT_DATA_SPRAWOZDANIA"), tab);
    form->addRow(QStringLiteral("Data sprawozdania"), m_reportDate);
    auto* folderRow = new QHBoxLayout;
    m_folder = lineEdit(QStringLiteral("BT_KATALOG_PLIKOW"), 255, tab);
    auto* folderButton = button(QStringLiteral("B_KATALOG"), QStringLiteral("..."), tab);
    folderRow->addWidget(m_folder);
    folderRow->addWidget(folderButton);
    form->addRow(QStringLiteral("Katalog plików"), folderRow);

    connect(m_quarters, &QRadioButton::toggled, this, [this](bool quarters) {
        if (m_showing) return;
        takeChoice();
        const int index = m_c.exportPeriodIndex();
        if (quarters != (index >= 12)) m_c.chooseExportPeriod(quarters ? 12 + index / 3 : (index - 12) * 3);
        fillExportPeriods();
    });
    connect(folderButton, &QPushButton::clicked, this, [this] {
        takeChoice();
        m_c.pickFolder();
        showChoice();
    });
    return tab;
}

QWidget* BudgetQuickFilterDialog::classificationTab() {
    auto* tab = new QWidget;
    auto* v = new QVBoxLayout(tab);
    auto* senses = new QGroupBox(m_c.side() == QStringLiteral("D") ? QStringLiteral("Dochody") : QStringLiteral("Wydatki"), tab);
    auto* sv = new QHBoxLayout(senses);
    static const char* const w[ExpenditureFlagCount][2] = {
        {"L_WYDATKI", "Wydatki"}, {"L_KOSZTY", "Koszty"}, {"L_ZAANGAZOWANIE", "Zaangazowanie"}, {"L_SRODKI", "Środki pieniężne"}};
    static const char* const d[RevenueFlagCount][2] = {{"L_DOCHODY", "Dochody"}, {"L_WPLYWY", "Wpływy"}, {"L_SRODKI", "Środki pieniężne"}};
    const bool revenue = m_c.side() == QStringLiteral("D");
    for (int i = 0; i < ExpenditureFlagCount; ++i) {
        m_w[size_t(i)] = new QCheckBox(QString::fromUtf8(w[i][1]), senses);
        m_w[size_t(i)]->setObjectName(QString::fromLatin1(w[i][0]));
        m_w[size_t(i)]->setVisible(!revenue);
        sv->addWidget(m_w[size_t(i)]);
    }
    for (int i = 0; i < RevenueFlagCount; ++i) {
        m_d[size_t(i)] = new QCheckBox(QString::fromUtf8(d[i][1]), senses);
        m_d[size_t(i)]->setObjectName(QString::fromLatin1(d[i][0]));
        m_d[size_t(i)]->setVisible(revenue);
        sv->addWidget(m_d[size_t(i)]);
    }
    senses->setVisible(!m_c.exportMode());
    v->addWidget(senses);

    auto* cls = new QGroupBox(QStringLiteral("Klasyfikacja budżetowa"), tab);
    auto* form = new QFormLayout(cls);
    m_classification = new QButtonGroup(this);
    auto* maskChoice = new QRadioButton(QStringLiteral("Maska"), cls);
    maskChoice->setObjectName(QStringLiteral("F_LOK_KLASYFIKACJA_MASKA"));
    auto* chosenChoice = new QRadioButton(QStringLiteral("Wybrana"), cls);
    chosenChoice->setObjectName(QStringLiteral("F_LOK_KLASYFIKACJA_WYBRANA"));
    m_classification->addButton(maskChoice, 0);
    m_classification->addButton(chosenChoice, 1);
    form->addRow(maskChoice);
    static const char* const parts[4][2] = {{"L_DZIAL", "Dział"}, {"L_ROZDZIAL", "Rozdział"}, {"L_PARAGRAF", "Paragraf"},
                                            {"L_POZYCJA", "Subanalityka"}};
    for (int i = 0; i < 4; ++i) {
        auto* row = new QHBoxLayout;
        m_parts[size_t(i)] = lineEdit(QString::fromLatin1(parts[i][0]), 20, cls);
        m_any[size_t(i)] = new QCheckBox(QStringLiteral("dowolny"), cls);
        m_any[size_t(i)]->setObjectName(QString::fromLatin1(parts[i][0]) + QStringLiteral("_DOWOLNY"));
        row->addWidget(m_parts[size_t(i)]);
        row->addWidget(m_any[size_t(i)]);
        form->addRow(QString::fromUtf8(parts[i][1]), row);
    }
    form->addRow(new QLabel(HINT_MASKI, cls));
    form->addRow(chosenChoice);
    auto* chosenRow = new QHBoxLayout;
    m_chosen = lineEdit(QStringLiteral("L_WYBRANA_KLASYFIKACJA"), 50, cls);
    m_chosen->setReadOnly(true);
    auto* pick = button(QStringLiteral("B_WYBRANA_KLASYFIKACJA"), QStringLiteral("..."), cls);
    chosenRow->addWidget(m_chosen);
    chosenRow->addWidget(pick);
    form->addRow(chosenRow);
    v->addWidget(cls);
    connect(pick, &QPushButton::clicked, this, [this] {
        takeChoice();
        m_c.pickClassification();
        showChoice();
    });
    return tab;
}

QWidget* BudgetQuickFilterDialog::listsTab() {
    auto* tab = new QWidget;
    auto* v = new QVBoxLayout(tab);
    m_year = new QComboBox(tab);
    m_year->setObjectName(QStringLiteral("FO:NAZWA_ROKU"));
    for (const YearRow& y : m_c.years()) m_year->addItem(y.name, QVariant::fromValue<qlonglong>(y.id));
    auto* yearRow = new QFormLayout;
    yearRow->addRow(QStringLiteral("Rok obrotowy"), m_year);
    v->addLayout(yearRow);
    auto* h = new QHBoxLayout;
    h->addWidget(markList(m_journals, QStringLiteral("LIST1"), QStringLiteral("Dzienniki"), tab, [this](bool on) {
        takeChoice();
        m_c.setAll(FilterList::Journals, on);
        fillList(FilterList::Journals);
    }));
    QWidget* periods = markList(m_periods, QStringLiteral("LIST2"), QStringLiteral("Okresy obrotowe"), tab, [this](bool on) {
        takeChoice();
        m_c.setAll(FilterList::Periods, on);
        fillList(FilterList::Periods);
    });
    h->addWidget(periods);
    v->addLayout(h);
    // The export takes its period from its own form.
    periods->setVisible(!m_c.exportMode());
    m_year->setVisible(!m_c.exportMode());
    connect(m_year, &QComboBox::activated, this, [this](int i) {
        takeChoice();
        m_c.chooseYear(m_year->itemData(i).toLongLong());
        fillList(FilterList::Periods);
    });
    return tab;
}

QWidget* BudgetQuickFilterDialog::accountsTab() {
    auto* tab = new QWidget;
    auto* h = new QHBoxLayout(tab);
    auto* accounts = new QGroupBox(QStringLiteral("Konta"), tab);
    auto* form = new QFormLayout(accounts);
    m_dt = new QCheckBox(QStringLiteral("Strona Dt"), accounts);
    m_dt->setObjectName(QStringLiteral("L_STRONA_WN"));
    m_ct = new QCheckBox(QStringLiteral("Strona Ct"), accounts);
    m_ct->setObjectName(QStringLiteral("L_STRONA_MA"));
    form->addRow(m_dt, m_ct);
    m_account = new QButtonGroup(this);
    const QStringList choices = {QStringLiteral("Wszystkie"), QStringLiteral("Zakres"), QStringLiteral("Maska"), QStringLiteral("Wybrane")};
    for (int i = 0; i < choices.size(); ++i) {
        auto* r = new QRadioButton(choices[i], accounts);
        r->setObjectName(QStringLiteral("F_LOK_KONTO_%1").arg(i));
        m_account->addButton(r, i);
        form->addRow(r);
    }
    m_from = lineEdit(QStringLiteral("L_ZAKRES_KONT_1"), 60, accounts);
    m_to = lineEdit(QStringLiteral("L_ZAKRES_KONT_2"), 60, accounts);
    m_mask = lineEdit(QStringLiteral("L_MASKA_KONT"), 70, accounts);
    m_single = lineEdit(QStringLiteral("L_WYBRANE_KONTO"), 70, accounts);
    form->addRow(QStringLiteral("Zakres"), m_from);
    form->addRow(QString(), m_to);
    form->addRow(QStringLiteral("Maska"), m_mask);
    auto* singleRow = new QHBoxLayout;
    auto* plan = button(QStringLiteral("B_PLAN"), QStringLiteral("..."), accounts);
    singleRow->addWidget(m_single);
    singleRow->addWidget(plan);
    form->addRow(QStringLiteral("Wybrane"), singleRow);
    h->addWidget(accounts);
    h->addWidget(markList(m_types, QStringLiteral("LIST3"), QStringLiteral("Typy dokumentów"), tab, [this](bool on) {
        takeChoice();
        m_c.setAll(FilterList::DocumentTypes, on);
        fillList(FilterList::DocumentTypes);
    }));
    connect(plan, &QPushButton::clicked, this, [this] {
        takeChoice();
        m_c.pickAccounts();
        showChoice();
    });
    return tab;
}

QWidget* BudgetQuickFilterDialog::datesTab() {
    auto* tab = new QWidget;
    auto* form = new QFormLayout(tab);
    auto choice = [&](const QString& name) {
        auto* c = new QComboBox(tab);
        c->setObjectName(name);
        c->addItem(QStringLiteral("Dowolny"));
        c->addItem(QStringLiteral("Określony"));
        return c;
    };
    m_docChoice = choice(QStringLiteral("F_LOK_DATA_DOKUMENTU"));
    m_doc1 = dateEdit(QStringLiteral("L_DATA_DOKUMENTU_1"), tab);
    m_doc2 = dateEdit(QStringLiteral("L_DATA_DOKUMENTU_2"), tab);
    m_postChoice = choice(QStringLiteral("F_LOK_DATA_KSIEGOWANIA"));
    m_post1 = dateEdit(QStringLiteral("L_DATA_KSIEGOWANIA_1"), tab);
    m_post2 = dateEdit(QStringLiteral("L_DATA_KSIEGOWANIA_2"), tab);
    form->addRow(QStringLiteral("Zakres daty dokumentu"), m_docChoice);
    form->addRow(m_doc1, m_doc2);
    form->addRow(QStringLiteral("Zakres daty księgowania"), m_postChoice);
    form->addRow(m_post1, m_post2);
    connect(m_docChoice, &QComboBox::activated, this, [this](int i) {
        takeChoice();
        m_c.setDocumentDateChoice(DateChoice(i));
        showChoice();
    });
    connect(m_postChoice, &QComboBox::activated, this, [this](int i) {
        takeChoice();
        m_c.setBookingDateChoice(DateChoice(i));
        showChoice();
    });
    return tab;
}

QListWidget* BudgetQuickFilterDialog::listOf(FilterList list) const {
    switch (list) {
    case FilterList::Journals: return m_journals;
    case FilterList::Periods: return m_periods;
    case FilterList::DocumentTypes: break;
    }
    return m_types;
}

void BudgetQuickFilterDialog::fillList(FilterList list) {
    QListWidget* w = listOf(list);
    w->clear();
    for (const ListRow& r : m_c.rows(list)) {
        auto* item = new QListWidgetItem(r.text, w);
        item->setCheckState(r.checked ? Qt::Checked : Qt::Unchecked);
    }
}

void BudgetQuickFilterDialog::fillExportPeriods() {
    if (!m_exportPeriods) return;
    const QStringList names = m_c.exportPeriodList();
    const int chosen = m_c.exportPeriodIndex();
    const bool quarters = chosen >= 12;
    m_exportPeriods->clear();
    for (int i = quarters ? 12 : 0; i < (quarters ? 16 : 12); ++i) {
        auto* item = new QListWidgetItem(names.value(i), m_exportPeriods);
        item->setData(Qt::UserRole, i);
        if (i == chosen) m_exportPeriods->setCurrentItem(item);
    }
}

void BudgetQuickFilterDialog::showChoice() {
    m_showing = true;
    const BudgetFilterSettings& s = m_c.working();
    if (m_c.exportMode()) {
        const BudgetExportForm& f = s.exportForm;
        m_exportSide->setCurrentIndex(f.side == QStringLiteral("D") ? 1 : 0);
        m_format->setCurrentIndex(std::max(0, m_format->findData(f.format)));
        m_quarters->setChecked(f.byQuarters);
        m_months->setChecked(!f.byQuarters);
        fillExportPeriods();
        m_inQuarter->setChecked(f.cumulativeInQuarter);
        m_inYear->setChecked(f.cumulativeInYear);
        m_kw->setText(f.kodWojewodztwa);
        m_kp->setText(f.kodPowiatu);
        m_kg->setText(f.kodGminy);
        m_tg->setText(f.typGminy);
        m_tp->setText(f.typPowiatu);
        m_regon1->setText(f.regon);
        m_regon2->setText(f.regonRozszerzony);
        m_jb->setText(f.identyfikatorJb > 0 ? QString::number(f.identyfikatorJb) : QString());
        m_rounding->setCurrentIndex(std::max(0, m_rounding->findData(int(f.rounding))));
        m_reportDate->setDate(date::toQDate(f.reportDate));
        m_folder->setText(f.folder);
    }
    for (int i = 0; i < ExpenditureFlagCount; ++i) m_w[size_t(i)]->setChecked(s.expenditure[size_t(i)]);
    for (int i = 0; i < RevenueFlagCount; ++i) m_d[size_t(i)]->setChecked(s.revenue[size_t(i)]);
    m_classification->button(int(s.classification))->setChecked(true);
    const MaskPart* parts[] = {&s.dzial, &s.rozdzial, &s.paragraf, &s.pozycja};
    for (int i = 0; i < 4; ++i) {
        m_parts[size_t(i)]->setText(parts[i]->text);
        m_any[size_t(i)]->setChecked(parts[i]->any);
    }
    m_chosen->setText(s.chosenClassification);
    for (int i = 0; i < m_year->count(); ++i)
        if (m_year->itemData(i).toLongLong() == (s.year < 0 ? m_c.chosenYear() : s.year)) m_year->setCurrentIndex(i);
    for (FilterList list : {FilterList::Journals, FilterList::Periods, FilterList::DocumentTypes}) fillList(list);
    m_dt->setChecked(s.sideDt);
    m_ct->setChecked(s.sideCt);
    m_account->button(int(s.account))->setChecked(true);
    m_from->setText(s.rangeFirst);
    m_to->setText(s.rangeSecond);
    m_mask->setText(s.accountMask);
    m_single->setText(s.chosenAccount);
    m_docChoice->setCurrentIndex(int(s.documentDates.choice));
    m_doc1->setDate(date::toQDate(s.documentDates.first));
    m_doc2->setDate(date::toQDate(s.documentDates.second));
    m_postChoice->setCurrentIndex(int(s.bookingDates.choice));
    m_post1->setDate(date::toQDate(s.bookingDates.first));
    m_post2->setDate(date::toQDate(s.bookingDates.second));
    m_showing = false;
}

void BudgetQuickFilterDialog::takeChoice() {
    BudgetFilterSettings& s = m_c.edit();
    if (m_c.exportMode()) {
        BudgetExportForm& f = s.exportForm;
        f.side = m_exportSide->currentData().toString();
        f.format = m_format->currentData().toString();
        if (QListWidgetItem* item = m_exportPeriods->currentItem()) m_c.chooseExportPeriod(item->data(Qt::UserRole).toInt());
        f.cumulativeInQuarter = m_inQuarter->isChecked();
        f.cumulativeInYear = m_inYear->isChecked();
        f.kodWojewodztwa = m_kw->text().trimmed();
        f.kodPowiatu = m_kp->text().trimmed();
        f.kodGminy = m_kg->text().trimmed();
        f.typGminy = m_tg->text().trimmed();
        f.typPowiatu = m_tp->text().trimmed();
        f.regon = m_regon1->text().trimmed();
        f.regonRozszerzony = m_regon2->text().trimmed();
        f.identyfikatorJb = m_jb->text().trimmed().toLongLong();
        f.rounding = ExportRounding(m_rounding->currentData().toInt());
        f.reportDate = date::fromQDate(m_reportDate->date());
        f.folder = m_folder->text().trimmed();
    }
    for (int i = 0; i < ExpenditureFlagCount; ++i) s.expenditure[size_t(i)] = m_w[size_t(i)]->isChecked();
    for (int i = 0; i < RevenueFlagCount; ++i) s.revenue[size_t(i)] = m_d[size_t(i)]->isChecked();
    s.classification = m_classification->checkedId() == 1 ? ClassificationChoice::Wybrana : ClassificationChoice::Maska;
    MaskPart* parts[] = {&s.dzial, &s.rozdzial, &s.paragraf, &s.pozycja};
    for (int i = 0; i < 4; ++i) *parts[i] = {m_parts[size_t(i)]->text(), m_any[size_t(i)]->isChecked()};
    for (FilterList list : {FilterList::Journals, FilterList::Periods, FilterList::DocumentTypes}) {
        QListWidget* w = listOf(list);
        for (int i = 0; i < w->count() && i < int(m_c.rows(list).size()); ++i)
            if ((w->item(i)->checkState() == Qt::Checked) != m_c.rows(list)[size_t(i)].checked) m_c.toggle(list, i);
    }
    s.sideDt = m_dt->isChecked();
    s.sideCt = m_ct->isChecked();
    s.account = AccountScope(std::max(0, m_account->checkedId()));
    s.rangeFirst = m_from->text();
    s.rangeSecond = m_to->text();
    s.accountMask = m_mask->text();
    m_c.setChosenAccount(m_single->text());
    s.documentDates.choice = DateChoice(m_docChoice->currentIndex());
    s.documentDates.first = date::fromQDate(m_doc1->date());
    s.documentDates.second = date::fromQDate(m_doc2->date());
    s.bookingDates.choice = DateChoice(m_postChoice->currentIndex());
    s.bookingDates.first = date::fromQDate(m_post1->date());
    s.bookingDates.second = date::fromQDate(m_post2->date());
}

void BudgetQuickFilterDialog::selectControl(const QString& name) {
    if (name.isEmpty()) return;
    if (auto* w = findChild<QWidget*>(name)) w->setFocus();
}

} // namespace ksiega::budget
