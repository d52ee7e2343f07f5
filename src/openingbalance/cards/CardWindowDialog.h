#pragma once
// The card window "Kartoteka": controls and layout over a CardWindowController.
#include "openingbalance/cards/CardWindowController.h"
#include <QDialog>

class QTableWidget;
class QToolButton;

namespace ksiega::openingbalance {

class CardWindowDialog : public QDialog {
    Q_OBJECT
public:
    CardWindowDialog(CardWindowController& controller, QWidget* parent = nullptr);

private:
    void redisplay(int select);
    int selected() const;

    CardWindowController& m_c;
    QTableWidget* m_list = nullptr;
    QToolButton* m_direction = nullptr;
};

} // namespace ksiega::openingbalance
