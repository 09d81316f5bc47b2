# What `cmake --install` puts where, by package: the two shared libraries and
# their development files, the static libraries a host may take, the programs.
include(CMakePackageConfigHelpers)
set(VANTOR_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Vantor)
# Shared libraries are not executables.
set(VANTOR_LIBRARY_MODE OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# Pages: the shared libvantor and the headers of its stated interface. The page
# classes, the dialog-style pages and the tracing decorator stay inside.
install(TARGETS vantor EXPORT VantorPages
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} PERMISSIONS ${VANTOR_LIBRARY_MODE}
          COMPONENT runtime NAMELINK_COMPONENT dev)
install(DIRECTORY vantor/automation vantor/ui vantor/framework vantor/controls
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantor COMPONENT dev
  FILES_MATCHING PATTERN "*.hpp" PATTERN "*.h" PATTERN "TracingObject.hpp" EXCLUDE
  PATTERN "ModalDialogSite.hpp" EXCLUDE PATTERN "ClassCreators.hpp" EXCLUDE)
install(EXPORT VantorPages FILE VantorPagesTargets.cmake NAMESPACE Vantor:: DESTINATION ${VANTOR_CMAKE_DIR} COMPONENT dev)

# NumberFormats: the shared libvantor-numfmt, with the package's common files.
install(TARGETS vantor_numfmt_shared EXPORT VantorNumberFormats
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} PERMISSIONS ${VANTOR_LIBRARY_MODE}
          COMPONENT numfmt NAMELINK_COMPONENT numfmt_dev)
install(FILES vantor/Export.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantor COMPONENT numfmt_dev)
install(DIRECTORY model/numfmt DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantor/model
  COMPONENT numfmt_dev FILES_MATCHING PATTERN "*.hpp")
install(EXPORT VantorNumberFormats FILE VantorNumberFormatsTargets.cmake NAMESPACE Vantor:: DESTINATION ${VANTOR_CMAKE_DIR} COMPONENT numfmt_dev)
configure_package_config_file(cmake/VantorConfig.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/VantorConfig.cmake
  INSTALL_DESTINATION ${VANTOR_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VantorConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VantorConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/VantorConfigVersion.cmake
  DESTINATION ${VANTOR_CMAKE_DIR} COMPONENT numfmt_dev)

# pkg-config files find their prefix from where they lie, so an unpacked or
# moved tree works as well as the installed one.
file(RELATIVE_PATH VANTOR_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" VANTOR_PC_TO_PREFIX "${VANTOR_PC_TO_PREFIX}")
foreach(pc vantor vantor-numfmt)
  configure_file(cmake/${pc}.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc @ONLY)
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vantor.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vantor-numfmt.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
  COMPONENT numfmt_dev)

if(NOT VANTOR_LIBRARY_ONLY)
  # Model, Xlsx, Qt: static libraries (same compiler as the kit) over the shared ones.
  install(TARGETS vantor_model EXPORT VantorModel ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)
  install(EXPORT VantorModel FILE VantorModelTargets.cmake NAMESPACE Vantor:: DESTINATION ${VANTOR_CMAKE_DIR} COMPONENT dev)
  install(TARGETS vantor_xlsx EXPORT VantorXlsx ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)
  install(EXPORT VantorXlsx FILE VantorXlsxTargets.cmake NAMESPACE Vantor:: DESTINATION ${VANTOR_CMAKE_DIR} COMPONENT dev)
  install(DIRECTORY model xlsx DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantor COMPONENT dev
    FILES_MATCHING PATTERN "*.hpp" PATTERN "numfmt" EXCLUDE)
  install(TARGETS vantor_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
  if(TARGET vantor_qt)
    install(TARGETS vantor_host vantor_qt EXPORT VantorQt ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)
    install(EXPORT VantorQt FILE VantorQtTargets.cmake NAMESPACE Vantor:: DESTINATION ${VANTOR_CMAKE_DIR} COMPONENT dev)
    # The host library carries the tracing decorator it uses; the sessions stay in the tree.
    install(DIRECTORY host qt DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantor COMPONENT dev FILES_MATCHING
      PATTERN "*.hpp" PATTERN "Session.hpp" EXCLUDE PATTERN "SessionCommands.hpp" EXCLUDE
      PATTERN "SessionEnvironment.hpp" EXCLUDE PATTERN "SessionLog.hpp" EXCLUDE PATTERN "VantorCommand.hpp" EXCLUDE)
    install(FILES vantor/automation/TracingObject.hpp DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantor/automation
      COMPONENT dev)
    install(TARGETS vantor-studio RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
    install(FILES packaging/vantor-studio.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
      COMPONENT programs)
    install(FILES packaging/vantor-studio.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
      COMPONENT programs)
  endif()
endif()
