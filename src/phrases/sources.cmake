# Files of this folder: core rules (no Qt) and windows.
list(APPEND TQ_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PhraseLibrary.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Composition.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PhraseLibraryCheck.cpp
)
list(APPEND TQ_GUI_SOURCES
)
