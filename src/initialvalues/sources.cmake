# Files of this folder: core rules (no Qt) and windows.
list(APPEND TQ_CORE_SOURCES
)
list(APPEND TQ_GUI_SOURCES
)
