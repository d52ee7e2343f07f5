#include "platform/ui/list/SortChoiceWidget.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/icons/IconSet.h"
#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>

namespace ksiega::ui {

SortChoiceWidget::SortChoiceWidget(SortChoice& choice, QWidget* parent)
    : QWidget(parent), m_choice(choice), m_list(new QComboBox(this)), m_direction(new QToolButton(this)) {
    m_list->setObjectName(QStringLiteral("LIST3"));
    m_list->setToolTip(QStringLiteral("Sortuj wg... (F6)"));
    m_direction->setObjectName(QStringLiteral("B_ROS_MAL"));
    m_direction->setToolTip(QStringLiteral("Sortuj rosnąco/malejąco (Ctrl+F6)"));
    m_direction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_direction);
    connect(m_list, &QComboBox::currentIndexChanged, this, ui::guarded(this, [this](int i) { m_choice.choose(i); sync(); }));
    connect(m_direction, &QToolButton::clicked, this, ui::guarded(this, [this] { m_choice.toggleDirection(); sync(); }));
    sync();
}

void SortChoiceWidget::sync() {
    QSignalBlocker block(m_list);
    if (m_list->count() != m_choice.orders().size()) {
        m_list->clear();
        m_list->addItems(m_choice.names());
    }
    m_list->setCurrentIndex(m_choice.index());
    m_direction->setIcon(icons::byName(m_choice.directionIcon()));
}

} // namespace ksiega::ui
