# Files of this folder: core rules (no Qt) and windows.
list(APPEND TQ_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Verification.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExportFile.cpp
)
list(APPEND TQ_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/frmExport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmEntryExport.cpp
)
