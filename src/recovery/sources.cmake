# Files of this folder: core rules (no Qt) and windows.
list(APPEND TQ_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/RecoveryNames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecoveryNote.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InstanceLock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CopyFolders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CopyWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecoveryCopies.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LeftCopies.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecoveryTexts.cpp
)
list(APPEND TQ_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/RecoveryStart.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmEntryRecovery.cpp
)
