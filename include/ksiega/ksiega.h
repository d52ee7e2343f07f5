#pragma once
// The module boundary: KSIEGA_INIT, KSIEGA_KILL and the exported procedures, as the host
// calls them. None takes the company, fiscal year or user: each reads the session
// context (frame/SessionContext.h) at the moment it runs.

namespace ksiega {
// Exported procedures are declared here as they land.
} // namespace ksiega
