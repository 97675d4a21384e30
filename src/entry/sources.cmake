# Files of this folder: core rules (no Qt) and windows.
list(APPEND TQ_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ClassGridLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StudentDetails.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SidePanelText.cpp
)
list(APPEND TQ_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/frmEntryGrid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmEntryDetails.cpp
)
