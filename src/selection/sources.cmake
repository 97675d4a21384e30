# Files of this folder: core rules (no Qt) and windows.
list(APPEND TQ_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FavouritesCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FavouritesFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FavouritesListText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FavouritesRows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PhraseSearch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SearchOptions.cpp
)
list(APPEND TQ_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FavouritesList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PhraseMatchList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmEntrySelection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmSelection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmSelectionFavourites.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmSelectionPrint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/icons/selection.qrc
)
