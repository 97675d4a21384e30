# Files of this folder: core rules (no Qt) and windows.
list(APPEND TQ_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FavouritesFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FavouritesListText.cpp
)
list(APPEND TQ_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FavouritesList.cpp
)
