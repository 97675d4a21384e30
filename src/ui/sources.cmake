# Files of this folder: core rules (no Qt) and windows.
list(APPEND TQ_CORE_SOURCES
)
list(APPEND TQ_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ClassGrid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Codepage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Dialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ElidedLabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EventHook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Fonts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NamedControls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtDialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtLinePrinter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecordingPrinter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SaveFileDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SharedIcons.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScriptedDialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Twips.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UniformWidthDelegate.cpp
)
