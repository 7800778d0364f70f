// Which effects and amounts each gem type offers to the main window's gem slots.
#pragma once

#include <optional>
#include <string_view>

#include "data/reference_tables.h"
#include "ui/controls.h"

namespace gw {

// Refills `list` with the effect names of the named type, one per row of its character panel
// (ui::EffectCount), blank names included; leaves it as it is when the name is not a type.
// Chooses nothing.
void FillEffectList(ui::ComboBox& list, std::string_view type_name, const ReferenceTables& tables);

// The amount list's entry for a gem type and level: the table's Amount, shown times 1.5 with the
// fraction dropped for a Stat gem.
int AmountEntry(const ReferenceTables& tables, int gem_type, int gem_level);

}  // namespace gw
