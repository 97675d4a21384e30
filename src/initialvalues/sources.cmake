# Files of this folder: core rules (no Qt) and windows.
list(APPEND TQ_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/InitialValuesSetup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RangeInput.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RangeSplitDelete.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RangeGridLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RangeDetails.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RangeEditing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InitialValuesPrintout.cpp
)
list(APPEND TQ_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/frmAutoFill.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmAutoFillRanges.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmAutoFillMouseEntry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmAutoFillFavourites.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmAutoFillPrint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmEntryAutoFill.cpp
)
