# Files of this folder: core rules (no Qt) and windows.
list(APPEND TQ_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ClassGridLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StudentDetails.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SidePanelText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UndoStack.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MarkEntry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InitialValueFill.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CommentPlacement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkillRating.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StudentFlags.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FreeFormComment.cpp
)
list(APPEND TQ_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CommentCodePicker.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmEntryGrid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmEntryDetails.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmEntryMarkEntry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmEntryMouseEntry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmEntryUndo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmEntryFreeForm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmFreeFormCommentEntry.cpp
)
