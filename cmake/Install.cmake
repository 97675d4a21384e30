# Installing the program as it expects its folders: the program folder (the executable, with the
# school's phrase library and set-up file put beside it) and the data folder beside that (the
# master file), under one home; a command on the PATH; and the desktop's menu entry, icons and
# file types.
#
# Every destination is relative to CMAKE_INSTALL_PREFIX, which is "/" unless one is given, so
#     cmake --install build                    installs into /opt/tallyquill, /usr/bin, /usr/share
#     cmake --install build --prefix STAGE     lays the same tree out under STAGE
# and the Debian package holds exactly that tree.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX "/" CACHE PATH "Root of the installed tree" FORCE)
endif()
set(TQ_INSTALL_HOME "opt/tallyquill" CACHE STRING "The program's home: bin/, data/ and examples/")
set(TQ_INSTALL_PATH_DIR "usr/bin" CACHE STRING "Where the command on the PATH goes")
set(TQ_INSTALL_SHARE_DIR "usr/share" CACHE STRING "Where the desktop looks for menu entries, icons and file types")
foreach(dir TQ_INSTALL_HOME TQ_INSTALL_PATH_DIR TQ_INSTALL_SHARE_DIR)
  if(IS_ABSOLUTE "${${dir}}")
    message(FATAL_ERROR "${dir} is relative to CMAKE_INSTALL_PREFIX; give CMAKE_INSTALL_PREFIX instead")
  endif()
endforeach()

set(TQ_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
# Folders are made readable by all whatever the umask of whoever builds.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The program folder and the data folder beside it. The school's own phrase library, set-up file
# and master file are never installed: an upgrade or removal leaves them where the technician put
# them.
install(TARGETS tallyquill RUNTIME DESTINATION ${TQ_INSTALL_HOME}/bin)
install(DIRECTORY DESTINATION ${TQ_INSTALL_HOME}/data)

# The sample files, named so that none can be taken for the school's own.
install(FILES ${PROJECT_SOURCE_DIR}/sample/TQPhraseLibrary.csv DESTINATION ${TQ_INSTALL_HOME}/examples
        RENAME TQPhraseLibrary.sample.csv)
install(FILES ${PROJECT_SOURCE_DIR}/sample/TQSetup.ini DESTINATION ${TQ_INSTALL_HOME}/examples
        RENAME TQSetup.sample.ini)
install(FILES ${PROJECT_SOURCE_DIR}/sample/TQStudentInfo.txt DESTINATION ${TQ_INSTALL_HOME}/examples
        RENAME TQStudentInfo.sample.txt)
install(FILES ${PROJECT_SOURCE_DIR}/sample/ENG2D101.tqc ${PROJECT_SOURCE_DIR}/sample/Sample.tqf
        DESTINATION ${TQ_INSTALL_HOME}/examples)

# The command on the PATH: a relative symbolic link, so it holds in a staged tree as well. The
# program finds its folders from its own file (/proc/self/exe), which is the link's target.
file(RELATIVE_PATH TQ_PATH_LINK_TARGET "/${TQ_INSTALL_PATH_DIR}" "/${TQ_INSTALL_HOME}/bin/tallyquill")
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/path-command)
file(CREATE_LINK ${TQ_PATH_LINK_TARGET} ${CMAKE_CURRENT_BINARY_DIR}/path-command/tallyquill SYMBOLIC)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/path-command/tallyquill DESTINATION ${TQ_INSTALL_PATH_DIR})

# The desktop: the menu entry, the icon at the usual sizes, and the class and favourites file types.
install(FILES ${TQ_PACKAGING_DIR}/tallyquill.desktop DESTINATION ${TQ_INSTALL_SHARE_DIR}/applications)
foreach(size 16 32 48 64 128 256)
  install(FILES ${TQ_PACKAGING_DIR}/icons/tallyquill-${size}.png
          DESTINATION ${TQ_INSTALL_SHARE_DIR}/icons/hicolor/${size}x${size}/apps RENAME tallyquill.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/src/gui/icons/tallyquill.svg
        DESTINATION ${TQ_INSTALL_SHARE_DIR}/icons/hicolor/scalable/apps)
install(FILES ${TQ_PACKAGING_DIR}/tallyquill-mime.xml DESTINATION ${TQ_INSTALL_SHARE_DIR}/mime/packages
        RENAME tallyquill.xml)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${TQ_INSTALL_SHARE_DIR}/doc/tallyquill)
