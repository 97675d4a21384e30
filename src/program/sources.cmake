# Files of this folder: core rules (no Qt) and windows.
list(APPEND TQ_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/TeacherFolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LineEscape.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileNames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Cp1252.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Clock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramState.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetupFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowArguments.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QuitAfterStart.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TestDriverSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DriverChannel.cpp
)
list(APPEND TQ_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/frmEntry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmSplash.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StampCursor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QuitOnceShown.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TestDriver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/icons/icons.qrc
)
