#pragma once
// "Zalozenie_BO.jpg", the picture of the first page: drawn here, not loaded.
#include <QIcon>
#include <QPixmap>

namespace ksiega::closing {

inline constexpr char PICTURE_NAME[] = "Zalozenie_BO.jpg";

// Two ledger books, the closing year's and the next one's, and an arrow carrying the
// balances across.
QPixmap zalozenieBoPicture(const QSize& size = QSize(150, 190));

} // namespace ksiega::closing

namespace ksiega::closing {
// The book on B_PLAN_KONT (the chart of accounts).
QIcon bookIcon();
} // namespace ksiega::closing
