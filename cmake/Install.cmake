# What `make install` puts where, and the Debian package made from it. Targets are named, not
# found by folder, so this survives any reshuffle of src/.
include(GNUInstallDirs)
# Debian keeps documentation under the package's name, which is lower case.
set(kelbrin_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/kelbrin)

set(KELBRIN_APP_ID org.kelbrin.Kelbrin)
set(kelbrin_data ${PROJECT_SOURCE_DIR}/data)

foreach(program kelbrin kelbrin-cli kelbrin-thumbnailer)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES ${kelbrin_data}/${KELBRIN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${kelbrin_data}/kelbrin-abr.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${kelbrin_data}/kelbrin.thumbnailer DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)

install(FILES ${kelbrin_data}/icons/${KELBRIN_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256 512)
  install(FILES ${kelbrin_data}/icons/${KELBRIN_APP_ID}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${KELBRIN_APP_ID}.png)
endforeach()

# The release entry carries the build's date; SOURCE_DATE_EPOCH pins it for reproducible builds.
string(TIMESTAMP KELBRIN_RELEASE_DATE "%Y-%m-%d" UTC)
configure_file(${kelbrin_data}/${KELBRIN_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/${KELBRIN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${KELBRIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Man pages are written in scdoc's plain markup in docs/man and compressed as Debian keeps them.
find_program(SCDOC_PROGRAM scdoc)
if(SCDOC_PROGRAM)
  set(man_pages)
  foreach(page kelbrin.1 kelbrin-cli.1)
    set(source ${PROJECT_SOURCE_DIR}/docs/man/${page}.scd)
    set(output ${PROJECT_BINARY_DIR}/man/${page}.gz)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
      COMMAND sh -c "'${SCDOC_PROGRAM}' < '${source}' | gzip -9n > '${output}'"
      DEPENDS ${source} VERBATIM)
    list(APPEND man_pages ${output})
  endforeach()
  # Translations sit in docs/man/<language>/, named as the .ts files name the language, and go
  # where man -L and LANGUAGE look (Debian's /usr/share/man/de/man1/...). A page not translated
  # yet is left to the English one.
  file(GLOB man_translations CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/*/*.1.scd)
  foreach(source ${man_translations})
    get_filename_component(page ${source} NAME_WLE)
    get_filename_component(language_dir ${source} DIRECTORY)
    get_filename_component(language ${language_dir} NAME)
    set(output ${PROJECT_BINARY_DIR}/man/${language}/${page}.gz)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man/${language}
      COMMAND sh -c "'${SCDOC_PROGRAM}' < '${source}' | gzip -9n > '${output}'"
      DEPENDS ${source} VERBATIM)
    list(APPEND man_pages ${output})
    install(FILES ${output} DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man1)
  endforeach()
  add_custom_target(kelbrin_man_pages ALL DEPENDS ${man_pages})
  install(FILES ${PROJECT_BINARY_DIR}/man/kelbrin.1.gz ${PROJECT_BINARY_DIR}/man/kelbrin-cli.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "scdoc not found: the man pages are left out (apt-get install scdoc)")
endif()

install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${kelbrin_docdir})
# The README's pictures, where its links look for them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${kelbrin_docdir}/docs
        FILES_MATCHING PATTERN "*.png" PATTERN "man" EXCLUDE)

# A plain `make install` onto the live system refreshes the desktop's caches, as the package's
# scripts do; staged installs (DESTDIR, CPack) leave that to whoever installs the result.
set(refresh_code [[
  if("$ENV{DESTDIR}" STREQUAL "" AND NOT CMAKE_INSTALL_PREFIX MATCHES "/_CPack_Packages/")
    set(ENV{KELBRIN_DATADIR} "${CMAKE_INSTALL_PREFIX}/share")
    execute_process(COMMAND sh "@PROJECT_SOURCE_DIR@/cmake/refresh-desktop-caches.sh")
  endif()
]])
string(CONFIGURE "${refresh_code}" refresh_code @ONLY)
install(CODE "${refresh_code}")

# `make package`: build/release/kelbrin_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelbrin)
set(CPACK_PACKAGE_VENDOR "Kelbrin")
set(CPACK_PACKAGE_CONTACT "Kelbrin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "browser for Photoshop brush files (.abr)")
# CPack puts the summary first and indents this below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Kelbrin finds every Photoshop brush file on the computer, shows the brushes of the \
selected file as thumbnails while it is read, exports them as PNG images and installs brush \
files into the preset folders of Photoshop run under Wine.\n\nThe package also holds \
kelbrin-cli, for the shell, and a thumbnailer that gives brush files previews in file managers.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window cannot start without a platform plugin, nor the brush library without Qt's SQLite
# driver; no library of ours links either, so dpkg-shlibdeps cannot find them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, qt6-wayland")
file(READ ${PROJECT_SOURCE_DIR}/cmake/refresh-desktop-caches.sh KELBRIN_REFRESH_CACHES)
string(REGEX REPLACE "^#![^\n]*\n" "" KELBRIN_REFRESH_CACHES "${KELBRIN_REFRESH_CACHES}")
foreach(script postinst postrm)
  configure_file(${kelbrin_data}/debian/${script}.in ${PROJECT_BINARY_DIR}/debian/${script} @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
endforeach()
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_BINARY_DIR}/debian/postinst ${PROJECT_BINARY_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
