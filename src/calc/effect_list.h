// Which effects and amounts each gem type offers. Shared by the main window's gem slots and the
// search window's rows, so both fill their effect lists the same way.
#pragma once

#include <optional>
#include <string_view>

#include "data/reference_tables.h"
#include "ui/controls.h"

namespace gw {

// The gem type number of an exact, case-sensitive type name ("Unused" .. "Skill").
std::optional<int> GemTypeNumber(std::string_view type_name);

// How many effects a type's list holds: Unused 0, Stat 8, Resist 9, Hits 1, Power 1, Focus 8,
// Skill 26. Fixed by the character panels, not by the data file.
int EffectCount(int gem_type);

// Refills `list` with the effect names of the named type, blank names included; leaves it as it
// is when the name is not a type. Chooses nothing.
void FillEffectList(ui::ComboBox& list, std::string_view type_name, const ReferenceTables& tables);

// The amount list's entry for a gem type and level: the table's Amount, shown times 1.5 with the
// fraction dropped for a Stat gem.
int AmountEntry(const ReferenceTables& tables, int gem_type, int gem_level);

}  // namespace gw
