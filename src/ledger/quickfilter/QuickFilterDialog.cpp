#include "ledger/quickfilter/QuickFilterDialog.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/runtime/Date.h"
#include "platform/ui/icons/IconSet.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ksiega::ledger {

namespace {

// The blank of a date entry (day number 0).
const QDate kNoDate(1800, 12, 27);

QDate shown(int day) { return day > 0 ? date::toQDate(day) : kNoDate; }
int dayOf(const QDate& d) { return d == kNoDate ? 0 : date::fromQDate(d); }

const char* const kListNames[3] = {"LIST_DZIENNIKI", "LIST_TYPY_DOKUMENTOW", "LIST_OKRESY"};

} // namespace

QuickFilterDialog::QuickFilterDialog(std::unique_ptr<QuickFilterController> controller, QWidget* parent)
    : QDialog(parent), m_controller(std::move(controller)) {
    setObjectName(QStringLiteral("KSIEGA_O_SZYBKI_FILTR"));
    setWindowTitle(QStringLiteral("Filtr księgi głównej"));
    auto* layout = new QVBoxLayout(this);

    m_sheet = new QTabWidget(this);
    m_sheet->setObjectName(QStringLiteral("SHEET1"));
    m_sheet->addTab(generalTab(), QStringLiteral("Dzienniki/Dokumenty"));
    m_sheet->addTab(periodsTab(), m_controller->periodsTabTitle());
    if (m_controller->budgetEdition()) m_sheet->addTab(budgetTab(), QStringLiteral("Klasyfikacja budżetowa"));
    layout->addWidget(m_sheet);

    auto* buttons = new QHBoxLayout;
    QPushButton* clear = button(QStringLiteral("B_CZYSC"), QStringLiteral("Czyść ustawienia"), [this] {
        m_controller->clearSettings();
        redisplay();
    });
    clear->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    clear->setToolTip(QStringLiteral("Czyść ustawienia (Ctrl+C)"));
    QPushButton* apply = button(QStringLiteral("B_FILTRUJ"), QStringLiteral("Wykonaj"), [this] { execute(); });
    apply->setShortcut(QKeySequence(Qt::Key_F10));
    apply->setToolTip(QStringLiteral("Wykonaj (F10)"));
    apply->setDefault(true);
    QPushButton* cancel = button(QStringLiteral("B_ANULUJ"), QStringLiteral("Anuluj"), [this] { reject(); });
    cancel->setShortcut(QKeySequence(Qt::Key_Escape));
    cancel->setToolTip(QStringLiteral("Anuluj (Esc)"));
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    for (QuickFilterList list : {QuickFilterList::Journals, QuickFilterList::DocumentTypes, QuickFilterList::Periods})
        fillList(list);
    redisplay();
}

QuickFilterDialog::~QuickFilterDialog() = default;

QWidget* QuickFilterDialog::generalTab() {
    auto* tab = new QWidget(this);
    auto* grid = new QGridLayout(tab);
    grid->addWidget(listBox(QStringLiteral("Dzienniki"), QString::fromLatin1(kListNames[0]), QuickFilterList::Journals,
                            QStringLiteral("DZIENNIKI")),
                    0, 0);
    grid->addWidget(listBox(QStringLiteral("Typy dokumentów"), QString::fromLatin1(kListNames[1]),
                            QuickFilterList::DocumentTypes, QStringLiteral("TYPY")),
                    0, 1);

    QuickFilterSettings& s = m_controller->edit();
    auto* document = new QWidget(tab);
    auto* documentRow = new QHBoxLayout(document);
    documentRow->setContentsMargins(0, 0, 0, 0);
    documentRow->addWidget(choice(QStringLiteral("F_LOK_DOKUMENT"), QStringLiteral("Dokument"),
                                  {QStringLiteral("Dowolny"), QStringLiteral("Wybrany")},
                                  [&s] { return int(s.document); },
                                  [&s](int v) { s.document = DocumentChoice(v); }));
    QLineEdit* documentText = line(QStringLiteral("L_DOKUMENT"), s.documentText, 50);
    documentText->setReadOnly(true);
    documentRow->addWidget(documentText, 1);
    QPushButton* pick = button(QStringLiteral("B_DOKUMENT"), QStringLiteral("..."), [this] {
        m_controller->pickDocument();
        redisplay();
    });
    pick->setToolTip(QStringLiteral("Wybór dokumentu"));
    documentRow->addWidget(pick);
    m_refresh.push_back([pick, documentText, &s] {
        pick->setEnabled(s.document == DocumentChoice::Wybrany);
        documentText->setEnabled(s.document == DocumentChoice::Wybrany);
    });
    grid->addWidget(document, 1, 0, 1, 2);

    auto* side = new QGroupBox(QStringLiteral("Strona zapisu"), tab);
    auto* sideRow = new QHBoxLayout(side);
    sideRow->addWidget(check(QStringLiteral("L_STRONA_WN"), QStringLiteral("Strona Dt"), s.sideDt));
    sideRow->addWidget(check(QStringLiteral("L_STRONA_MA"), QStringLiteral("Strona Ct"), s.sideCt));
    sideRow->addStretch();
    grid->addWidget(side, 2, 0, 1, 2);

    QuickFilterController* c = m_controller.get();
    grid->addWidget(dateGroup(QStringLiteral("F_LOK_DATA_DOKUMENTU"), QStringLiteral("Data dokumentu"),
                              QStringLiteral("DOKUMENTU"), s.documentDates,
                              [c](DateChoice v) { c->setDocumentDateChoice(v); }, [c] { c->pickDocumentDateRange(); },
                              [c](int which) { c->pickDocumentDate(which); }),
                    3, 0);
    grid->addWidget(dateGroup(QStringLiteral("F_LOK_DATA_KSIEGOWANIA"), QStringLiteral("Data księgowania"),
                              QStringLiteral("KSIEGOWANIA"), s.bookingDates,
                              [c](DateChoice v) { c->setBookingDateChoice(v); }, [c] { c->pickBookingDateRange(); },
                              [c](int which) { c->pickBookingDate(which); }),
                    3, 1);
    return tab;
}

QWidget* QuickFilterDialog::periodsTab() {
    auto* tab = new QWidget(this);
    auto* row = new QHBoxLayout(tab);
    row->addWidget(listBox(QStringLiteral("Okresy obrotowe"), QString::fromLatin1(kListNames[2]), QuickFilterList::Periods,
                           QStringLiteral("OKRESY")));

    QuickFilterSettings& s = m_controller->edit();
    auto* accounts = new QGroupBox(QStringLiteral("Konta"), tab);
    accounts->setObjectName(QStringLiteral("GRUPA_KONTA"));
    auto* grid = new QGridLayout(accounts);
    grid->addWidget(choice(QStringLiteral("F_LOK_KONTO"), QString(),
                           {QStringLiteral("Wszystkie"), QStringLiteral("Zakres"), QStringLiteral("Maska"),
                            QStringLiteral("Wybrane"), QStringLiteral("Kontrahent, pracownik, urząd ...")},
                           [&s] { return int(s.account); }, [&s](int v) { s.account = AccountScope(v); }),
                    0, 0, 1, 4);
    QLineEdit* first = line(QStringLiteral("L_ZAKRES_KONT_1"), s.rangeFirst, 60);
    QLineEdit* second = line(QStringLiteral("L_ZAKRES_KONT_2"), s.rangeSecond, 60);
    grid->addWidget(new QLabel(QStringLiteral("Zakres od:"), accounts), 1, 0);
    grid->addWidget(first, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("do:"), accounts), 1, 2);
    grid->addWidget(second, 1, 3);
    QLineEdit* mask = line(QStringLiteral("L_MASKA_KONT"), s.accountMask, 70);
    grid->addWidget(new QLabel(QStringLiteral("Maska:"), accounts), 2, 0);
    grid->addWidget(mask, 2, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("* - ciąg znaków    ? - pojedynczy znak"), accounts), 3, 1, 1, 3);
    QuickFilterController* c = m_controller.get();
    QLineEdit* chosen =
        line(QStringLiteral("L_WYBRANE_KONTO"), s.chosenAccount, 70, [c](const QString& t) { c->setChosenAccount(t); });
    QPushButton* plan = button(QStringLiteral("B_PLAN"), QStringLiteral("..."), [this] {
        m_controller->pickAccounts();
        redisplay();
    });
    plan->setToolTip(QStringLiteral("Plan kont"));
    grid->addWidget(new QLabel(QStringLiteral("Konto:"), accounts), 4, 0);
    grid->addWidget(chosen, 4, 1, 1, 2);
    grid->addWidget(plan, 4, 3);
    QLineEdit* party = line(QStringLiteral("L_ELEMENT_KARTOTEKI_NAZWA"), s.partyText, 100);
    party->setReadOnly(true);
    grid->addWidget(party, 5, 0, 1, 4);
    auto* partyButtons = new QHBoxLayout;
    const struct { const char* name; const char* text; const char* tip; pickers::PartyKind kind; } partyKinds[] = {
        {"B_K", "K", "Kontrahenci", pickers::PartyKind::Contractor},
        {"B_P", "P", "Pracownicy", pickers::PartyKind::Employee},
        {"B_U", "U", "Urzędy", pickers::PartyKind::Office}};
    std::vector<QPushButton*> partyPickers;
    for (const auto& k : partyKinds) {
        const pickers::PartyKind kind = k.kind;
        QPushButton* b = button(QString::fromLatin1(k.name), QString::fromLatin1(k.text), [this, kind] {
            m_controller->pickParty(kind);
            redisplay();
        });
        b->setToolTip(QString::fromUtf8(k.tip));
        partyButtons->addWidget(b);
        partyPickers.push_back(b);
    }
    partyButtons->addStretch();
    grid->addLayout(partyButtons, 6, 0, 1, 4);
    m_refresh.push_back([=, &s] {
        first->setEnabled(s.account == AccountScope::Zakres);
        second->setEnabled(s.account == AccountScope::Zakres);
        mask->setEnabled(s.account == AccountScope::Maska);
        chosen->setEnabled(s.account == AccountScope::Wybrane);
        plan->setEnabled(s.account == AccountScope::Wybrane);
        party->setEnabled(s.account == AccountScope::Kartoteka);
        for (QPushButton* b : partyPickers) b->setEnabled(s.account == AccountScope::Kartoteka);
    });
    accounts->setVisible(m_controller->accountsUsed());
    row->addWidget(accounts, 1);
    return tab;
}

QWidget* QuickFilterDialog::budgetTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    QuickFilterSettings& s = m_controller->edit();
    auto* kinds = new QGroupBox(QStringLiteral("Rodzaje"), tab);
    auto* kindsGrid = new QGridLayout(kinds);
    const struct { const char* name; const char* text; BudgetKind kind; } kindRows[] = {
        {"L_WYDATKI", "Wydatki", Wydatki},           {"L_KOSZTY", "Koszty", Koszty},
        {"L_ZAANGAZOWANIE", "Zaangażowanie", Zaangazowanie}, {"L_SRODKI_PIENIEZNE", "Środki pieniężne", SrodkiPieniezne},
        {"L_DOCHODY", "Dochody", Dochody},           {"L_WPLYWY", "Wpływy", Wplywy}};
    int n = 0;
    for (const auto& k : kindRows) {
        kindsGrid->addWidget(check(QString::fromLatin1(k.name), QString::fromUtf8(k.text), s.budgetKinds[size_t(k.kind)]),
                             n / 2, n % 2);
        ++n;
    }
    layout->addWidget(kinds);

    layout->addWidget(choice(QStringLiteral("F_LOK_KLASYFIKACJA"), QStringLiteral("Klasyfikacja"),
                             {QStringLiteral("Maska"), QStringLiteral("Wybrana")},
                             [&s] { return int(s.classification); },
                             [&s](int v) { s.classification = ClassificationChoice(v); }));
    auto* mask = new QGroupBox(QStringLiteral("Maska klasyfikacji"), tab);
    auto* maskGrid = new QGridLayout(mask);
    const struct { const char* name; const char* title; int length; MaskPart QuickFilterSettings::*part; } parts[] = {
        {"L_DZIAL", "Dział", 4, &QuickFilterSettings::dzial},
        {"L_ROZDZIAL", "Rozdział", 6, &QuickFilterSettings::rozdzial},
        {"L_PARAGRAF", "Paragraf", 5, &QuickFilterSettings::paragraf},
        {"L_POZYCJA", "Pozycja", 6, &QuickFilterSettings::pozycja}};
    int column = 0;
    for (const auto& p : parts) {
        MaskPart& part = s.*(p.part);
        const QString name = QString::fromLatin1(p.name);
        maskGrid->addWidget(new QLabel(QString::fromUtf8(p.title), mask), 0, column);
        QLineEdit* entry = line(name, part.text, p.length);
        maskGrid->addWidget(entry, 1, column);
        maskGrid->addWidget(check(name + QStringLiteral("_DOWOLNY"), QStringLiteral("dowolny"), part.any), 2, column);
        m_refresh.push_back([entry, &part, &s] {
            entry->setEnabled(s.classification == ClassificationChoice::Maska && !part.any);
        });
        ++column;
    }
    layout->addWidget(mask);
    auto* chosenRow = new QHBoxLayout;
    QLineEdit* chosen = line(QStringLiteral("L_KLASYFIKACJA"), s.chosenClassification, 50, [&s](const QString& t) {
        s.chosenClassification = t;
        s.severalSymbols = false;
    });
    QPushButton* pick = button(QStringLiteral("B_WYBRANA_KLASYFIKACJA"), QStringLiteral("..."), [this] {
        m_controller->pickClassification();
        redisplay();
    });
    pick->setToolTip(QStringLiteral("Słownik klasyfikacji budżetowej"));
    chosenRow->addWidget(chosen, 1);
    chosenRow->addWidget(pick);
    layout->addLayout(chosenRow);
    m_refresh.push_back([=, &s] {
        chosen->setEnabled(s.classification == ClassificationChoice::Wybrana);
        pick->setEnabled(s.classification == ClassificationChoice::Wybrana);
    });
    layout->addStretch();
    return tab;
}

QWidget* QuickFilterDialog::listBox(const QString& title, const QString& name, QuickFilterList list, const QString& suffix) {
    auto* box = new QGroupBox(title, this);
    auto* layout = new QVBoxLayout(box);
    auto* table = new QTableWidget(0, 2, box);
    table->setObjectName(name);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setColumnWidth(0, 24);
    table->setMinimumHeight(150);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(table, &QTableWidget::cellClicked, this, ui::guarded(this, [this, list](int row, int column) {
        if (column != 0) return;
        m_controller->toggle(list, row);
        redisplay();
    }));
    m_lists[int(list)] = table;
    layout->addWidget(table);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(QStringLiteral("B_ZAZNACZ_") + suffix, QStringLiteral("Zaznacz wszystkie"), [this, list] {
        m_controller->setAll(list, true);
        redisplay();
    }));
    buttons->addWidget(button(QStringLiteral("B_ODZNACZ_") + suffix, QStringLiteral("Odznacz wszystkie"), [this, list] {
        m_controller->setAll(list, false);
        redisplay();
    }));
    layout->addLayout(buttons);
    return box;
}

void QuickFilterDialog::fillList(QuickFilterList list) {
    QTableWidget* table = m_lists[int(list)];
    const int rows = m_controller->rowCount(list);
    table->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        QString text;
        if (list == QuickFilterList::Periods)
            text = m_controller->periods()[size_t(r)].name;
        else
            text = (list == QuickFilterList::Journals ? m_controller->journals() : m_controller->documentTypes())[size_t(r)].text;
        table->setItem(r, 0, new QTableWidgetItem);
        table->setItem(r, 1, new QTableWidgetItem(text));
    }
}

QGroupBox* QuickFilterDialog::choice(const QString& name, const QString& title, const QStringList& texts,
                                     std::function<int()> get, std::function<void(int)> set) {
    auto* box = new QGroupBox(title, this);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < texts.size(); ++i) {
        auto* radio = new QRadioButton(texts[i], box);
        radio->setObjectName(name + QChar('_') + QString::number(i));
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    connect(group, &QButtonGroup::idClicked, this, ui::guarded(this, [this, set](int id) {
        set(id);
        redisplay();
    }));
    m_refresh.push_back([group, get] {
        QSignalBlocker block(group);
        if (QAbstractButton* b = group->button(get())) b->setChecked(true);
    });
    return box;
}

QCheckBox* QuickFilterDialog::check(const QString& name, const QString& text, bool& field) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(name);
    connect(box, &QCheckBox::toggled, this, ui::guarded(this, [this, &field](bool on) {
        field = on;
        redisplay();
    }));
    m_refresh.push_back([box, &field] {
        QSignalBlocker block(box);
        box->setChecked(field);
    });
    return box;
}

QLineEdit* QuickFilterDialog::line(const QString& name, QString& field, int maxLength,
                                   std::function<void(const QString&)> set) {
    auto* entry = new QLineEdit(this);
    entry->setObjectName(name);
    entry->setMaxLength(maxLength);
    connect(entry, &QLineEdit::textChanged, this, ui::guarded(this, [&field, set](const QString& text) {
        if (set) set(text);
        else field = text;
    }));
    m_refresh.push_back([entry, &field] {
        if (entry->text() == field) return;
        QSignalBlocker block(entry);
        entry->setText(field);
    });
    return entry;
}

QDateEdit* QuickFilterDialog::dateEntry(const QString& name, int& day) {
    auto* entry = new QDateEdit(this);
    entry->setObjectName(name);
    entry->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    entry->setMinimumDate(kNoDate);
    entry->setSpecialValueText(QStringLiteral(" "));
    connect(entry, &QDateEdit::dateChanged, this, ui::guarded(this, [&day](const QDate& d) { day = dayOf(d); }));
    m_refresh.push_back([entry, &day] {
        QSignalBlocker block(entry);
        entry->setDate(shown(day));
    });
    return entry;
}

QPushButton* QuickFilterDialog::button(const QString& name, const QString& text, std::function<void()> run) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, std::move(run));
    return b;
}

QWidget* QuickFilterDialog::dateGroup(const QString& name, const QString& title, const QString& suffix, DateRange& range,
                                      std::function<void(DateChoice)> setChoice, std::function<void()> pickRange,
                                      std::function<void(int)> pickDay) {
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(choice(name, QString(), {QStringLiteral("Dowolny"), QStringLiteral("Określony")},
                           [&range] { return int(range.choice); }, [setChoice](int v) { setChoice(DateChoice(v)); }),
                    0, 0, 2, 1);
    QDateEdit* first = dateEntry(QStringLiteral("L_DATA_") + suffix + QStringLiteral("_1"), range.first);
    QDateEdit* second = dateEntry(QStringLiteral("L_DATA_") + suffix + QStringLiteral("_2"), range.second);
    QPushButton* calendar1 = button(QStringLiteral("B_KALENDARZ_") + suffix + QStringLiteral("_1"), QStringLiteral("..."), [=, this] {
        pickDay(1);
        redisplay();
    });
    QPushButton* calendar2 = button(QStringLiteral("B_KALENDARZ_") + suffix + QStringLiteral("_2"), QStringLiteral("..."), [=, this] {
        pickDay(2);
        redisplay();
    });
    QPushButton* rangeButton = button(QStringLiteral("B_ZAKRES_DAT_") + suffix, QStringLiteral("Wybór zakresu dat"), [=, this] {
        pickRange();
        redisplay();
    });
    calendar1->setToolTip(QStringLiteral("Kalendarz"));
    calendar2->setToolTip(QStringLiteral("Kalendarz"));
    grid->addWidget(new QLabel(QStringLiteral("od:"), box), 0, 1);
    grid->addWidget(first, 0, 2);
    grid->addWidget(calendar1, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("do:"), box), 1, 1);
    grid->addWidget(second, 1, 2);
    grid->addWidget(calendar2, 1, 3);
    grid->addWidget(rangeButton, 2, 1, 1, 3);
    m_refresh.push_back([=, &range] {
        const bool on = range.choice == DateChoice::Okreslony;
        for (QWidget* w : std::initializer_list<QWidget*>{first, second, calendar1, calendar2, rangeButton}) w->setEnabled(on);
    });
    return box;
}

void QuickFilterDialog::execute() {
    if (m_controller->apply()) {
        accept();
        return;
    }
    if (QWidget* w = findChild<QWidget*>(m_controller->controlToSelect())) {
        for (int i = 0; i < m_sheet->count(); ++i)
            if (m_sheet->widget(i)->isAncestorOf(w)) m_sheet->setCurrentIndex(i);
        w->setFocus();
    }
}

void QuickFilterDialog::redisplay() {
    for (QuickFilterList list : {QuickFilterList::Journals, QuickFilterList::DocumentTypes, QuickFilterList::Periods}) {
        QTableWidget* table = m_lists[int(list)];
        for (int r = 0; r < table->rowCount(); ++r) {
            table->item(r, 0)->setIcon(icons::byName(m_controller->checked(list, r) ? QStringLiteral("~zaznacz.ico")
                                                                                  : QStringLiteral("~odznacz.ico")));
        }
    }
    for (const auto& refresh : m_refresh) refresh();
}

} // namespace ksiega::ledger
