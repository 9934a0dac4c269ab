# The Windows packages (scripts/windows.sh): what is installed here, stripped,
# goes into the zip (cpack) and into the MSI (packaging/windows/): the
# programs, the Qt libraries and plugins they load, the compiler's runtime
# libraries, the README and the licences. Qt finds its plugins beside the
# program.
install(TARGETS tagorix-tool RUNTIME DESTINATION .)
if(TARGET tagorix)
  install(TARGETS tagorix RUNTIME DESTINATION .)
endif()
foreach(module Core Gui Widgets SerialPort)
  install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${runtime_dll}")
    message(FATAL_ERROR "The compiler does not know where ${dll} is")
  endif()
  install(FILES ${runtime_dll} DESTINATION .)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
# The translations beside the programs, with Qt's own for the same languages
# from the building machine's Qt (a .qm file is the same on every system).
set(TAGORIX_QT_TRANSLATIONS ${QT_HOST_PATH}/share/qt6/translations CACHE PATH "Qt's own translations (qtbase_*.qm)")
list(TRANSFORM TAGORIX_QM_FILES REPLACE ".*/tagorix_(.*)\\.qm$" "${TAGORIX_QT_TRANSLATIONS}/qtbase_\\1.qm" OUTPUT_VARIABLE qt_qm_files)
install(FILES ${TAGORIX_QM_FILES} ${qt_qm_files} DESTINATION translations)
# scripts/windows-qt.sh puts the licences of Qt, of the libraries bundled in
# it and of the wintab headers beside the Qt it builds.
if(NOT EXISTS "${QT6_INSTALL_PREFIX}/licenses")
  message(FATAL_ERROR "No licences beside the Qt in ${QT6_INSTALL_PREFIX}")
endif()
install(DIRECTORY ${QT6_INSTALL_PREFIX}/licenses/ DESTINATION licenses)

# The libraries come as files, which the stripping of install(TARGETS) does
# not reach; they are stripped here whenever the install strips (cpack's
# CPACK_STRIP_FILES, cmake --install --strip). libstdc++ alone loses about
# 20 MB of symbols and debug information.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB_RECURSE libraries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    foreach(library IN LISTS libraries)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${library}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tagorix-tool)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME tagorix-tool-${PROJECT_VERSION}-windows-x64)
set(CPACK_STRIP_FILES ON)
include(CPack)
