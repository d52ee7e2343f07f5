-- The ledger-entry view POZ_DOK_VIEW_UNION and its twins _BT, _EXT and _BT_EXT: generated
-- from their column lists in the engine's form (src/platform/db/EntryViews.cpp).
{{ENTRY_VIEWS}}
