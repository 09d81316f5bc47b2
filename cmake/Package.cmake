# `make package`: Debian packages of the kit, one per install component.
# Each package carries its copyright and changelog where Debian wants them.
set(VANTOR_CONTACT "Vantor developers <vantor-devel@lists.example.org>")
set(VANTOR_DEB_runtime libvantor1)
set(VANTOR_DEB_dev libvantor-dev)
set(VANTOR_DEB_numfmt libvantor-numfmt1)
set(VANTOR_DEB_numfmt_dev libvantor-numfmt-dev)
set(VANTOR_DEB_programs vantor)
set(VANTOR_COMPONENTS runtime dev numfmt numfmt_dev)
if(NOT VANTOR_LIBRARY_ONLY)
  list(APPEND VANTOR_COMPONENTS programs)
endif()

execute_process(COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog
  OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
foreach(component IN LISTS VANTOR_COMPONENTS)
  install(FILES packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${VANTOR_DEB_${component}} COMPONENT ${component})
  string(TOUPPER ${component} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${VANTOR_DEB_${component}})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VENDOR "Vantor developers")
set(CPACK_PACKAGE_CONTACT ${VANTOR_CONTACT})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL ${VANTOR_COMPONENTS})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VANTOR_CONTACT})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# The shared libraries ask for ldconfig when they are installed or removed.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_SOURCE_DIR}/packaging/triggers)
set(CPACK_DEBIAN_NUMFMT_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_SOURCE_DIR}/packaging/triggers)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_NUMFMT_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_NUMFMT_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
  "libvantor1 (= ${PROJECT_VERSION}), libvantor-numfmt-dev (= ${PROJECT_VERSION}), libicu-dev, libfontconfig-dev, libssl-dev, libzip-dev, zlib1g-dev, libisal-dev, libpugixml-dev")
set(CPACK_DEBIAN_DEV_PACKAGE_SUGGESTS "qt6-base-dev")
set(CPACK_DEBIAN_NUMFMT_DEV_PACKAGE_DEPENDS "libvantor-numfmt1 (= ${PROJECT_VERSION})")

set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "spreadsheet dialog pages over a host's object model
The pages of a spreadsheet's format, workbook, sheet and option dialogs,
driven by one page protocol, with the headless controls they are made of.
A host creates them by class name and gives each a site and its targets.")
set(CPACK_COMPONENT_DEV_DESCRIPTION "spreadsheet dialog pages - development files
Headers, the CMake package and the pkg-config file of libvantor, with the
spreadsheet object model, workbook files and the Qt front as static
libraries for hosts built with the same compiler.")
set(CPACK_COMPONENT_NUMFMT_DESCRIPTION "spreadsheet number format engine
Parses, recognises and renders spreadsheet number format codes: numbers,
fractions, dates and times, sections and conditions, colours and text.")
set(CPACK_COMPONENT_NUMFMT_DEV_DESCRIPTION "spreadsheet number format engine - development files
Headers, the CMake package and the pkg-config file of libvantor-numfmt.")
set(CPACK_COMPONENT_PROGRAMS_DESCRIPTION "spreadsheet dialog host and workbook studio
The vantor command runs scripted sessions of the dialogs over a workbook;
vantor-studio edits workbook files (.xlsx) with the dialogs as real windows.")
include(CPack)
