# Desktop integration (entry, icons, AppStream data) and the Debian package.
set(app_id org.voltaris.Voltaris)
set(desktop_dir ${PROJECT_SOURCE_DIR}/res/desktop)

install(FILES ${desktop_dir}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/res/pictures/icon128.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${app_id}.svg)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/res/icons/${size}x${size}/${app_id}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Debian policy: every package carries its copyright file and its changelog,
# compressed, in /usr/share/doc/<package>/; manual pages are compressed too.
# gzip -n leaves the time out of the header, so that every build of the
# package is the same.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/voltaris)
set(compressed_dir ${PROJECT_BINARY_DIR}/packaging)
set(compressed)
foreach(source packaging/changelog app/voltaris.1 cli/voltaris-cli.1)
  get_filename_component(name ${source} NAME)
  set(output ${compressed_dir}/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$2\"" sh ${PROJECT_SOURCE_DIR}/${source} ${output}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source}
    COMMENT "Compressing ${source}" VERBATIM)
  list(APPEND compressed ${output})
endforeach()
add_custom_target(voltaris_compressed_files ALL DEPENDS ${compressed})
# Building the program builds all that the install takes with it, so that
# "cmake --build build --target voltaris" is enough before "cmake --install".
add_dependencies(voltaris voltaris_compressed_files voltaris-cli)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${compressed_dir}/changelog.gz DESTINATION ${doc_dir})
install(FILES ${compressed_dir}/voltaris.1.gz ${compressed_dir}/voltaris-cli.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME voltaris)
set(CPACK_PACKAGE_VENDOR "Voltaris")
set(CPACK_PACKAGE_CONTACT "Voltaris developers <developers@voltaris.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "electronics calculator: classic calculations with their schematics")
# The extended description as dpkg shows it: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
  "A small menu window opens, for each classic electronics calculation, a form
with the schematic of the circuit beside a few labelled fields, in engineering
notation. voltaris-cli computes the same forms from the command line.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY voltaris)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# Shared libraries come from dpkg-shlibdeps (libqt6svg6 among them, which on
# Debian 12 also holds the SVG icon and image plugins); what it cannot see is
# loaded at run time: the window system plugins and the font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_GENERATOR DEB)
include(CPack)

# Installs the package into a scratch root and starts the program from it;
# validates the desktop entry and the AppStream data.
add_test(NAME package_smoke COMMAND bash ${PROJECT_SOURCE_DIR}/tools/package-smoke.sh ${PROJECT_BINARY_DIR} ${app_id})
set_tests_properties(package_smoke PROPERTIES TIMEOUT 300)
add_test(NAME metainfo_valid COMMAND appstreamcli validate --no-net ${desktop_dir}/${app_id}.metainfo.xml)
add_test(NAME desktop_entry_valid COMMAND desktop-file-validate ${desktop_dir}/${app_id}.desktop)
