#pragma once
// Reading the arguments of a procedure called by name: numbers may arrive as text
// ("12") and texts as numbers (an account typed as 201), so each is converted to what
// the procedure expects. A missing argument reads as 0 or "".
#include "platform/db/SqlValue.h"

namespace ksiega::server {

inline int64_t intArg(const db::Params& args, size_t i) { return i < args.size() ? args[i].toInt64() : 0; }
inline QString textArg(const db::Params& args, size_t i) { return i < args.size() ? args[i].toText() : QString(); }

} // namespace ksiega::server
