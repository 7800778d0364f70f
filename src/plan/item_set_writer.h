// Writing a plan as an item set: the text File, "Open..." reads, one line per field of every item
// and gem, so that the file opens to the same plan whatever was open before.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/reference_tables.h"
#include "plan/plan.h"

namespace gw {

// The start of the first line of every item set this program writes; the import skips it.
inline constexpr std::string_view kItemSetSignature = "; Gemwright Workshop item set";

// The whole file: the signature line with the program's version, then for each item its
// "[Chest]"-style header and its lines, CR LF after every line.
std::string WriteItemSet(const Plan& plan, const ReferenceTables& tables);

// An item file: the signature line, then item `k`'s header and lines alone, as WriteItemSet
// writes them; it is an item set that sets that one item.
std::string WriteItemFile(const ItemPlan& item, int k, const ReferenceTables& tables);

// The identifier of the gem identifier file that an import turns into gem type `type` with
// effect `effect` (the last record of an identifier wins there); nothing when none does.
std::optional<std::string> GemIdentifier(const ReferenceTables& tables, int type, int effect);

// Whether `text` begins with the line this program writes first.
bool WrittenByThisProgram(std::string_view text);

}  // namespace gw
