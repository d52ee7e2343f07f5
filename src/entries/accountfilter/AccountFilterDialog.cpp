#include "entries/accountfilter/AccountFilterDialog.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/icons/IconSet.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ksiega::entries {

namespace {

QLabel* iconLabel(const QString& iconName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(icons::byName(iconName).pixmap(16, 16));
    return label;
}

QSpinBox* rangeEntry(const QString& objectName, QWidget* parent) {
    auto* entry = new QSpinBox(parent);
    entry->setObjectName(objectName);
    entry->setRange(AccountFilterSettings::RANGE_LOW, AccountFilterSettings::RANGE_HIGH);
    entry->setButtonSymbols(QAbstractSpinBox::NoButtons);
    entry->setAlignment(Qt::AlignRight);
    return entry;
}

} // namespace

AccountFilterDialog::AccountFilterDialog(std::unique_ptr<AccountFilterController> controller, QWidget* parent)
    : QDialog(parent), m_controller(std::move(controller)) {
    setObjectName(QStringLiteral("FILTR"));
    setWindowTitle(QStringLiteral("Filtr"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Filtr kont"), this));

    auto* sheet = new QTabWidget(this);
    sheet->setTabBarAutoHide(true);
    auto* tab = new QWidget(sheet);
    auto* tabLayout = new QVBoxLayout(tab);
    sheet->addTab(tab, QStringLiteral("Filtr kont"));
    layout->addWidget(sheet);

    auto* groups = new QGroupBox(QStringLiteral("Zespoły kont"), tab);
    auto* groupsLayout = new QGridLayout(groups);
    // Group 0 first, then 1..9.
    const int order[] = {10, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int i = 0; i < 10; ++i) {
        const int element = order[i];
        auto* box = new QCheckBox(QString::number(element % 10), groups);
        box->setObjectName(QStringLiteral("ZSPOLY_KONT_%1").arg(element));
        connect(box, &QCheckBox::toggled, this, ui::guarded(this, [this, element](bool on) {
            m_controller->setGroup(element, on);
            redisplay();
        }));
        m_groups[size_t(element)] = box;
        groupsLayout->addWidget(box, 0, i);
    }
    tabLayout->addWidget(groups);

    auto* types = new QGroupBox(QStringLiteral("Typy kont"), tab);
    auto* typesLayout = new QGridLayout(types);
    const struct { FilterFlag flag; const char* name; const char* text; const char* icon; } typeRows[] = {
        {FilterFlag::Bilansowe, "BILANSOWE", " Bilansowe", "~closebil.ico"},
        {FilterFlag::Wynikowe, "WYNIKOWE", " Wynikowe", "~closewyn.ico"},
        {FilterFlag::Pozabilansowe, "POZABILANSOWE", " Pozabilansowe", "~closepoz.ico"},
    };
    int row = 0;
    for (const auto& t : typeRows) {
        typesLayout->addWidget(iconLabel(QString::fromLatin1(t.icon), types), row, 0);
        typesLayout->addWidget(addFlag(t.flag, QString::fromLatin1(t.name), QString::fromUtf8(t.text)), row, 1);
        ++row;
    }
    typesLayout->setColumnStretch(2, 1);
    tabLayout->addWidget(types);

    tabLayout->addWidget(addFlag(FilterFlag::Walutowe, QStringLiteral("WALUTOWE"), QStringLiteral(" Walutowe")));
    tabLayout->addWidget(
        addFlag(FilterFlag::Rozrachunkowe, QStringLiteral("ROZRACHUNKOWE"), QStringLiteral(" Rozrachunkowe")));
    tabLayout->addWidget(addFlag(FilterFlag::Dwusaldowe, QStringLiteral("DWUSALDOWE"), QStringLiteral(" Dwusaldowe")));
    auto* mpkRow = new QHBoxLayout;
    m_mpkIcon = iconLabel(QStringLiteral("~mpk.ico"), tab);
    m_mpkIcon->setObjectName(QStringLiteral("MPK_IKONA"));
    mpkRow->addWidget(m_mpkIcon);
    mpkRow->addWidget(addFlag(FilterFlag::Mpk, QStringLiteral("MPK"), QStringLiteral("MPK")));
    mpkRow->addStretch();
    tabLayout->addLayout(mpkRow);
    m_mpkIcon->setVisible(m_controller->mpkVisible());
    m_flags[FilterFlag::Mpk]->setVisible(m_controller->mpkVisible());

    auto* range = new QGroupBox(QStringLiteral("Zakres kont syntetycznych"), tab);
    auto* rangeLayout = new QHBoxLayout(range);
    m_low = rangeEntry(QStringLiteral("ZAKRES_D"), range);
    m_high = rangeEntry(QStringLiteral("ZAKRES_G"), range);
    rangeLayout->addWidget(m_low);
    rangeLayout->addWidget(m_high);
    connect(m_low, &QSpinBox::valueChanged, this, ui::guarded(this, [this](int v) {
        m_controller->setRangeLow(v);
        redisplay();
    }));
    connect(m_high, &QSpinBox::valueChanged, this, ui::guarded(this, [this](int v) {
        m_controller->setRangeHigh(v);
        redisplay();
    }));
    tabLayout->addWidget(range);

    auto* buttons = new QHBoxLayout;
    m_clear = new QPushButton(QStringLiteral("Czyść ustawienia"), this);
    m_clear->setObjectName(QStringLiteral("ANULUJFILTR"));
    m_clear->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    m_clear->setToolTip(QStringLiteral("Pokaż wszystkie konta."));
    m_clear->setAutoDefault(false);
    m_apply = new QPushButton(QStringLiteral("Wykonaj"), this);
    m_apply->setObjectName(QStringLiteral("ZASTOSUJFILTR"));
    m_apply->setShortcut(QKeySequence(Qt::Key_F10));
    m_apply->setToolTip(QStringLiteral("Zastosuj wskazane ustawienia filtra."));
    m_apply->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    m_cancel->setObjectName(QStringLiteral("CANCELBUTTON"));
    m_cancel->setShortcut(QKeySequence(Qt::Key_Escape));
    m_cancel->setToolTip(QStringLiteral("Zamknij okno"));
    m_cancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(m_clear);
    buttons->addWidget(m_apply);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    connect(m_clear, &QPushButton::clicked, this, ui::guarded(this, [this] {
        m_controller->clearSettings();
        redisplay();
    }));
    connect(m_apply, &QPushButton::clicked, this, ui::guarded(this, [this] {
        m_controller->apply();
        accept();
    }));
    connect(m_cancel, &QPushButton::clicked, this, &AccountFilterDialog::reject);

    redisplay();
}

AccountFilterDialog::~AccountFilterDialog() = default;

QCheckBox* AccountFilterDialog::addFlag(FilterFlag f, const QString& objectName, const QString& text) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(objectName);
    connect(box, &QCheckBox::toggled, this, ui::guarded(this, [this, f](bool on) {
        m_controller->setFlag(f, on);
        redisplay();
    }));
    m_flags[f] = box;
    return box;
}

void AccountFilterDialog::reject() {
    m_controller->cancel();
    QDialog::reject();
}

void AccountFilterDialog::redisplay() {
    const AccountFilterController& c = *m_controller;
    for (int element = 1; element <= AccountFilterSettings::GROUPS; ++element) {
        QSignalBlocker block(m_groups[size_t(element)]);
        m_groups[size_t(element)]->setChecked(c.group(element));
    }
    for (auto& [f, box] : m_flags) {
        QSignalBlocker block(box);
        box->setChecked(c.flag(f));
    }
    {
        QSignalBlocker blockLow(m_low);
        QSignalBlocker blockHigh(m_high);
        m_low->setValue(c.working().ZAKRES_D);
        m_high->setValue(c.working().ZAKRES_G);
    }
    m_clear->setEnabled(c.clearEnabled());
    m_apply->setEnabled(c.applyEnabled());
}

} // namespace ksiega::entries
