# Files of this folder: core rules (no Qt) and windows.
list(APPEND TQ_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/StudentRecord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CsvText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClassFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClassSort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MasterFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClassUpdate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NewClass.cpp
)
list(APPEND TQ_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/frmEntryClassFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmGetTrilliumfile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmEntryNewClass.cpp
)
