# Installing on Linux and the Debian package: the program, its desktop entry,
# metainfo, manual page, icons and licence.
include(GNUInstallDirs)

install(TARGETS vielnis RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The metainfo, the manual page and the package's change log carry the
# version of project() above.
set(data_dir ${CMAKE_CURRENT_BINARY_DIR}/data)
foreach(file ${app_id}.metainfo.xml vielnis.1 changelog)
    configure_file(data/${file}.in ${data_dir}/${file} @ONLY)
endforeach()
install(FILES ${data_dir}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${icon_dir}/${app_id}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${icon_sizes})
    install(FILES ${icon_dir}/${app_id}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${app_id}.png)
endforeach()
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vielnis)
add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz ${CMAKE_CURRENT_BINARY_DIR}/vielnis.1.gz
    COMMAND gzip -9nc ${data_dir}/changelog > ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    COMMAND gzip -9nc ${data_dir}/vielnis.1 > ${CMAKE_CURRENT_BINARY_DIR}/vielnis.1.gz
    DEPENDS ${data_dir}/changelog ${data_dir}/vielnis.1
)
add_custom_target(package_docs ALL
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz ${CMAKE_CURRENT_BINARY_DIR}/vielnis.1.gz)
install(FILES data/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${doc_dir})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vielnis.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# A Debian package whose dependencies are computed from the binary.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vielnis)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Latvian chemistry handbook for school pupils")
set(CPACK_PACKAGE_DESCRIPTION "Vielnis is a desktop chemistry handbook in Latvian: the periodic table\nwith a details panel for each element, the metal voltage series, the\nnon-metal electronegativity series, the acid activity series and the\ntable of the solubility of acids, bases and salts in water.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vielnis <vielnis@example.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)

