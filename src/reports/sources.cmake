# Files of this folder: core rules (no Qt) and windows.
list(APPEND TQ_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ClassReport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FavouritesReport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PrintScript.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PrintStamp.cpp
)
list(APPEND TQ_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/frmEntryPrint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmHelp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PrintScriptPlayer.cpp
)
