#include "data/bounded_table.h"

namespace gw {

void ThrowTableIndex(const char* table, int index, int lower, int upper) {
  throw RuntimeError(ErrorKind::IndexOutOfRange,
                     std::string(table) + ": index " + std::to_string(index) + " is outside " +
                         std::to_string(lower) + ".." + std::to_string(upper));
}

}  // namespace gw
