# The installed package: find_package(ZTUi) gives ZTUi::ztui and ZTUi::platform.
include(CMakePackageConfigHelpers)

set(ZTUI_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZTUi)
set_target_properties(ztplatform PROPERTIES EXPORT_NAME platform)

get_property(ztui_layers GLOBAL PROPERTY ZTUI_PLATFORM_LAYERS)
foreach(target IN LISTS ztui_layers ITEMS ztui)
  # Installed modules find each other the way the build tree does: side by side.
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
endforeach()

get_property(ztui_entries GLOBAL PROPERTY ZTUI_ENTRY_TARGETS)
install(TARGETS ${ztui_layers} ${ztui_entries} ztplatform ztui
  EXPORT ZTUiTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# What is installed is the interface: the headers a host includes and what they include. The
# window manager, the drawing layer, the controls and dialogs behind the Win32 functions, the
# project file's storage and the few implementation headers beside public ones stay in the
# source tree; they name cairo, pango and SQLite, which a host never sees. The package test
# checks that every installed header resolves its includes inside the installed tree.
foreach(dir platform ztui)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
    FILES_MATCHING PATTERN "*.h"
    REGEX "/platform/win/(controls|desktop|dialogs|entry|gdi|kernel)$" EXCLUDE
    REGEX "/platform/cad/storage$" EXCLUDE
    REGEX "/platform/win/mfc/AfxHandleMaps\\.h$" EXCLUDE
    REGEX "/platform/cad/ViewRaster\\.h$" EXCLUDE)
endforeach()

install(EXPORT ZTUiTargets NAMESPACE ZTUi:: DESTINATION ${ZTUI_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/ZTUiConfig.cmake.in
  ${PROJECT_BINARY_DIR}/ZTUiConfig.cmake
  INSTALL_DESTINATION ${ZTUI_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/ZTUiConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/ZTUiConfig.cmake ${PROJECT_BINARY_DIR}/ZTUiConfigVersion.cmake
  DESTINATION ${ZTUI_CMAKE_DIR})
