#pragma once
// The sort drop list (LIST3) with its direction button (B_ROS_MAL) beside it; the view
// of a SortChoice.
#include "platform/ui/list/SortChoice.h"
#include <QWidget>

class QComboBox;
class QToolButton;

namespace ksiega::ui {

class SortChoiceWidget : public QWidget {
    Q_OBJECT
public:
    SortChoiceWidget(SortChoice& choice, QWidget* parent = nullptr);
    void sync();   // shows the state after it was changed from outside

private:
    SortChoice& m_choice;
    QComboBox* m_list;
    QToolButton* m_direction;
};

} // namespace ksiega::ui
