# The Windows program and what is handed out: vielnis.exe with its icon,
# version resource and manifest; a portable zip (the exe and the licence
# texts) and a Latvian NSIS installer, both from CPack.

set(windows_dir ${CMAKE_CURRENT_BINARY_DIR}/windows)
set(VIELNIS_ICO ${icon_dir}/${app_id}.ico)
set(VIELNIS_MANIFEST ${windows_dir}/vielnis.manifest)
configure_file(data/windows/vielnis.manifest.in ${VIELNIS_MANIFEST} @ONLY)
configure_file(data/windows/vielnis.rc.in ${windows_dir}/vielnis.rc @ONLY)
set_source_files_properties(${windows_dir}/vielnis.rc PROPERTIES
    OBJECT_DEPENDS "${VIELNIS_ICO};${VIELNIS_MANIFEST}")
target_sources(vielnis PRIVATE ${windows_dir}/vielnis.rc)
add_dependencies(vielnis desktop_icons)
# The texts of the resource are UTF-8.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
# A GUI program: Windows opens no console window for it.
set_target_properties(vielnis PROPERTIES WIN32_EXECUTABLE ON)
# Of Qt's static plugins the exe takes the Windows platform only: it reads no
# image files, and it draws in Qt's own classic Windows style, so the Vista
# style plugin would only add weight.
qt_import_plugins(vielnis EXCLUDE_BY_TYPE imageformats styles)

# The licence texts: the handbook's GPL, the LGPL of the Qt linked into it
# and the OFL of its fonts.
set(licence_dir ${windows_dir}/licences)
configure_file(LICENSE ${licence_dir}/LICENSE.txt COPYONLY)
file(READ data/windows/LICENSE-Qt-header.txt qt_licence_header)
file(READ /usr/share/common-licenses/LGPL-3 lgpl3)
file(WRITE ${licence_dir}/LICENSE-Qt.txt "${qt_licence_header}\n${lgpl3}")
configure_file(src/resources/fonts/LICENSE-Liberation.txt ${licence_dir}/LICENSE-Liberation.txt COPYONLY)
configure_file(src/resources/fonts/LICENSE-Lato.txt ${licence_dir}/LICENSE-Lato.txt COPYONLY)

install(TARGETS vielnis RUNTIME DESTINATION .)
install(FILES
    ${licence_dir}/LICENSE.txt
    ${licence_dir}/LICENSE-Qt.txt
    ${licence_dir}/LICENSE-Liberation.txt
    ${licence_dir}/LICENSE-Lato.txt
    DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME vielnis)
set(CPACK_PACKAGE_VENDOR "${VIELNIS_PUBLISHER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
set(CPACK_PACKAGE_VERSION_MINOR ${PROJECT_VERSION_MINOR})
set(CPACK_RESOURCE_FILE_LICENSE ${licence_dir}/LICENSE.txt)
set(CPACK_STRIP_FILES ON)
# Each generator names its own file (vielnis-1.2-windows-x64.zip,
# vielnis-1.2-setup.exe): see the per-generator settings.
set(CPACK_PROJECT_CONFIG_FILE ${windows_dir}/cpack-per-generator.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE} [=[
if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_PACKAGE_FILE_NAME "vielnis-${CPACK_PACKAGE_VERSION}-windows-x64")
elseif(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "vielnis-${CPACK_PACKAGE_VERSION}-setup")
endif()
]=])
# The installer's own template (Latvian, Program Files, Start menu and
# desktop shortcuts, the "Apps & features" entry) in data/windows/.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/data/windows)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# The template and the texts CPack writes into it are UTF-8.
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS -INPUTCHARSET UTF8)
set(CPACK_VIELNIS_ICON ${VIELNIS_ICO})
set(CPACK_VIELNIS_DESCRIPTION "${VIELNIS_DESCRIPTION}")
set(CPACK_VIELNIS_COPYRIGHT "${VIELNIS_COPYRIGHT}")
include(CPack)
