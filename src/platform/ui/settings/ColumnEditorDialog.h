#pragma once
// The Qt editor of a column layout: the columns in order with a check box each
// (shown or hidden), moved up and down with buttons.
#include "platform/ui/settings/ColumnConfiguration.h"

namespace ksiega {

class ColumnEditorDialogRunner : public ColumnEditor {
public:
    std::optional<ColumnLayout> edit(const ColumnLayout& current) override;
};

} // namespace ksiega
