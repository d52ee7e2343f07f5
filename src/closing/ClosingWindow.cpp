#include "closing/ClosingWindow.h"
#include "closing/ClosingPicture.h"
#include "closing/ClosingTexts.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/help/HelpTopic.h"
#include "platform/ui/help/HelpTopics.h"
#include "platform/ui/icons/IconSet.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace ksiega::closing {

namespace {

QTableWidget* table(QWidget* parent, const char* name, const QStringList& headings, const QList<int>& widths) {
    auto* t = new QTableWidget(0, int(headings.size()), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels(headings);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    for (int i = 0; i < widths.size(); ++i) t->setColumnWidth(i, widths[i] * 3);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QTableWidgetItem* cell(const QString& text) { return new QTableWidgetItem(text); }

} // namespace

ClosingWindow::ClosingWindow(ClosingController& controller, QWidget* parent) : QDialog(parent), m_c(controller) {
    setObjectName(ClosingController::PROCEDURE);
    setWindowTitle(texts::CAPTION);
    auto* layout = new QVBoxLayout(this);
    m_sheet = new QTabWidget(this);
    m_sheet->setObjectName(QStringLiteral("SHEET1"));
    m_sheet->addTab(optionsPage(), QStringLiteral("Opcje"));
    m_sheet->addTab(planChangesPage(), QStringLiteral("Zmiany w planie kont"));
    m_sheet->addTab(problemsPage(), QStringLiteral("Problemy"));
    m_sheet->addTab(reportPage(), texts::REPORT_TITLE);
    layout->addWidget(m_sheet);

    auto* bottom = new QHBoxLayout;
    m_execute = new QPushButton(texts::WYKONAJ, this);
    m_execute->setObjectName(QStringLiteral("B_WYKONAJ"));
    m_execute->setDefault(true);
    m_executeKey = new QLabel(texts::WYKONAJ_KEY, this);
    m_executeKey->setObjectName(QStringLiteral("B_WYKONAJ_KLAWISZ"));
    m_close = new QPushButton(texts::ZAMKNIJ, this);
    m_close->setObjectName(QStringLiteral("BUTTON7"));
    m_close->setAutoDefault(false);
    bottom->addStretch();
    bottom->addWidget(m_executeKey);
    bottom->addWidget(m_execute);
    bottom->addWidget(m_close);
    layout->addLayout(bottom);

    auto* executeKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
    connect(executeKey, &QShortcut::activated, m_execute, [this] {
        if (m_execute->isVisible() && m_execute->isEnabled()) m_execute->click();
    });
    connect(m_execute, &QPushButton::clicked, this, ui::guarded(this, [this] {
        m_c.setPage(Page(m_sheet->currentIndex()));
        m_c.execute();
        sync();
    }));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);   // Esc rejects too
    connect(m_sheet, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_syncing) m_c.setPage(Page(index));
    });

    m_c.changed = [this] { sync(); };
    resize(720, 460);
    sync();
}

ClosingWindow::~ClosingWindow() { m_c.changed = nullptr; }

QWidget* ClosingWindow::optionsPage() {
    auto* page = new QWidget;
    auto* outer = new QHBoxLayout(page);
    auto* picture = new QLabel(page);
    picture->setObjectName(QString::fromLatin1(PICTURE_NAME));
    picture->setPixmap(zalozenieBoPicture());
    picture->setAlignment(Qt::AlignTop);
    outer->addWidget(picture);
    auto* column = new QVBoxLayout;
    outer->addLayout(column, 1);

    auto* action = new QGroupBox(page);
    action->setObjectName(QStringLiteral("DZIALANIE_SPOSOB"));
    auto* actionLayout = new QVBoxLayout(action);
    m_create = new QRadioButton(texts::ZALOZENIE, action);
    m_create->setObjectName(QStringLiteral("DZIALANIE_SPOSOB_0"));
    m_remove = new QRadioButton(texts::USUNIECIE, action);
    m_remove->setObjectName(QStringLiteral("DZIALANIE_SPOSOB_1"));
    actionLayout->addWidget(m_create);
    actionLayout->addWidget(m_remove);
    auto* actions = new QButtonGroup(action);
    actions->addButton(m_create, 0);
    actions->addButton(m_remove, 1);
    column->addWidget(action);

    auto* explanation = new QLabel(texts::EXPLANATION_1 + QChar('\n') + texts::EXPLANATION_2 + QChar('\n') +
                                       texts::EXPLANATION_3 + QStringLiteral("\n\n") + texts::REPEAT_1 + QChar('\n') +
                                       texts::REPEAT_2,
                                   page);
    column->addWidget(explanation);

    m_rangeBox = new QGroupBox(texts::RANGE_GROUP, page);
    auto* rangeLayout = new QGridLayout(m_rangeBox);
    auto* rangeRadio = new QWidget(m_rangeBox);
    rangeRadio->setObjectName(QStringLiteral("ZAKRES_KONT"));
    auto* radioLayout = new QHBoxLayout(rangeRadio);
    radioLayout->setContentsMargins(0, 0, 0, 0);
    m_all = new QRadioButton(texts::WSZYSTKIE, rangeRadio);
    m_all->setObjectName(QStringLiteral("ZAKRES_KONT_0"));
    m_chosen = new QRadioButton(texts::WYBRANE, rangeRadio);
    m_chosen->setObjectName(QStringLiteral("ZAKRES_KONT_1"));
    radioLayout->addWidget(m_all);
    radioLayout->addWidget(m_chosen);
    radioLayout->addStretch();
    auto* ranges = new QButtonGroup(rangeRadio);
    ranges->addButton(m_all, 0);
    ranges->addButton(m_chosen, 1);
    rangeLayout->addWidget(rangeRadio, 0, 0, 1, 2);
    m_skip = new QCheckBox(texts::POMIN_980_998, m_rangeBox);
    m_skip->setObjectName(QStringLiteral("POMIN_KONTA_BT"));
    rangeLayout->addWidget(m_skip, 1, 0, 1, 2);
    m_chosenText = new QLineEdit(m_rangeBox);
    m_chosenText->setObjectName(QStringLiteral("WYBRANE_KONTA"));
    m_chosenText->setReadOnly(true);
    m_chosenText->setMaxLength(50);
    m_picker = new QToolButton(m_rangeBox);
    m_picker->setObjectName(QStringLiteral("B_PLAN_KONT"));
    m_picker->setIcon(bookIcon());
    m_picker->setToolTip(QStringLiteral("Plan kont"));
    rangeLayout->addWidget(m_chosenText, 2, 0);
    rangeLayout->addWidget(m_picker, 2, 1);
    column->addWidget(m_rangeBox);

    m_preview = new QCheckBox(texts::PREVIEW_ONLY, page);
    m_preview->setObjectName(QStringLiteral("PODGLAD"));
    column->addWidget(m_preview);

    m_wait = new QLabel(texts::PROSZE_CZEKAC, page);
    m_wait->setObjectName(QStringLiteral("PROSZE_CZEKAC"));
    m_progress = new QProgressBar(page);
    m_progress->setObjectName(QStringLiteral("PROGRES"));
    m_progress->setRange(0, 100);
    column->addWidget(m_wait);
    column->addWidget(m_progress);
    column->addStretch();

    connect(actions, &QButtonGroup::idClicked, this, ui::guarded(this, [this](int id) {
        m_c.setAction(id == 0 ? Action::Create : Action::Remove);
    }));
    connect(ranges, &QButtonGroup::idClicked, this, ui::guarded(this, [this](int id) {
        m_c.setRange(id == 0 ? Range::All : Range::Chosen);
    }));
    connect(m_skip, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) {
        if (!m_syncing) m_c.setSkip980And998(on);
    }));
    connect(m_preview, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) {
        if (!m_syncing) m_c.setPreviewOnly(on);
    }));
    connect(m_picker, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.pickAccounts(); }));
    return page;
}

QWidget* ClosingWindow::planChangesPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_list1 = table(page, "LIST1", {texts::COL_Z_KONTA, texts::COL_NA_KONTO, QString(), QStringLiteral("Uwagi")},
                    {60, 60, 16, 400});
    m_list1->setColumnWidth(2, 24);
    layout->addWidget(m_list1);
    connect(m_list1, &QTableWidget::cellClicked, this, ui::guarded(this, [this](int row, int column) {
        if (column == 2) m_c.attachSettlements(row);
    }));
    return page;
}

QWidget* ClosingWindow::problemsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(texts::PROBLEMS_TITLE, page));
    m_list2 = table(page, "LIST2", {texts::COL_WALUTA, texts::COL_OPIS_PROBLEMU}, {28, 187});
    layout->addWidget(m_list2);
    auto* print = new QPushButton(texts::DRUKUJ, page);
    print->setObjectName(QStringLiteral("B_DRUKUJ"));
    print->setAutoDefault(false);
    layout->addWidget(print, 0, Qt::AlignRight);
    connect(print, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.printProblems(); }));
    return page;
}

QWidget* ClosingWindow::reportPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(texts::REPORT_TITLE, page));
    m_list3 = table(page, "LIST3", {texts::COL_Z_KONTA, texts::COL_NA_KONTO_REPORT, texts::COL_UWAGI}, {70, 70, 200});
    layout->addWidget(m_list3);
    auto* print = new QPushButton(texts::DRUKUJ, page);
    print->setObjectName(QStringLiteral("B_DRUKUJ2"));
    print->setAutoDefault(false);
    layout->addWidget(print, 0, Qt::AlignRight);
    connect(print, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.printReport(); }));
    return page;
}

void ClosingWindow::fillPlanChanges() {
    const auto& rows = m_c.planChanges();
    m_list1->setRowCount(int(rows.size()));
    const QIcon icon = icons::byName(QStringLiteral("Kartka.ico"));
    for (int i = 0; i < int(rows.size()); ++i) {
        const PlanChangeRow& r = rows[size_t(i)];
        m_list1->setItem(i, 0, cell(r.fromAccount));
        m_list1->setItem(i, 1, cell(r.toAccount));
        auto* iconCell = cell(QString());
        iconCell->setIcon(icon);
        iconCell->setToolTip(QStringLiteral("Rozrachunki"));
        m_list1->setItem(i, 2, iconCell);
        m_list1->setItem(i, 3, cell(r.remark));
    }
}

void ClosingWindow::fillResults() {
    const auto& problems = m_c.problems();
    m_list2->setRowCount(int(problems.size()));
    for (int i = 0; i < int(problems.size()); ++i) {
        m_list2->setItem(i, 0, cell(problems[size_t(i)].currency));
        m_list2->setItem(i, 1, cell(problems[size_t(i)].description));
    }
    const auto& report = m_c.report();
    m_list3->setRowCount(int(report.size()));
    for (int i = 0; i < int(report.size()); ++i) {
        m_list3->setItem(i, 0, cell(report[size_t(i)].fromAccount));
        m_list3->setItem(i, 1, cell(report[size_t(i)].toAccount));
        m_list3->setItem(i, 2, cell(report[size_t(i)].remarks));
    }
}

void ClosingWindow::sync() {
    if (m_c.closeRequested()) {
        if (isVisible()) reject();
        else setResult(QDialog::Rejected);
    }
    m_syncing = true;
    m_create->setChecked(m_c.action() == Action::Create);
    m_remove->setChecked(m_c.action() == Action::Remove);
    m_all->setChecked(m_c.range() == Range::All);
    m_chosen->setChecked(m_c.range() == Range::Chosen);
    m_all->parentWidget()->setEnabled(m_c.rangeEnabled());
    m_chosenText->setEnabled(m_c.rangeEnabled());
    m_chosenText->setText(m_c.chosenAccountsText());
    m_picker->setEnabled(m_c.pickerEnabled());
    m_skip->setVisible(m_c.skipVisible());
    m_skip->setChecked(m_c.skip980And998());
    m_preview->setChecked(m_c.previewOnly());
    m_wait->setVisible(m_c.running());
    m_progress->setVisible(m_c.running());
    m_progress->setValue(m_c.progress());
    if (m_c.running()) m_progress->repaint();
    m_execute->setText(m_c.executeLabel());
    m_execute->setVisible(m_c.executeVisible());
    m_executeKey->setVisible(m_c.executeVisible());
    m_execute->setEnabled(!m_c.running());
    if (m_list1->rowCount() != int(m_c.planChanges().size()) || !m_c.running()) fillPlanChanges();
    fillResults();
    if (m_sheet->currentIndex() != int(m_c.page())) m_sheet->setCurrentIndex(int(m_c.page()));
    m_syncing = false;
}

bool ClosingWindow::event(QEvent* event) {
    // The window's help topic, each time it gains the focus.
    if (event->type() == QEvent::WindowActivate)
        if (auto* help = findChild<ui::HelpTopic*>()) help->setTopic(help::ZAMKNIECIE_ROKU);
    return QDialog::event(event);
}

} // namespace ksiega::closing
