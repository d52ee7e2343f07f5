#include "ksiega/ksiega.h"

namespace ksiega {

// The window arrives with its own files.
void BO_IMPORT_ROZRACHUNKOW() {}

} // namespace ksiega
