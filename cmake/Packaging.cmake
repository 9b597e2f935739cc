# Installing Tova (cmake --install) and its Debian package (cpack in the build folder).
#
#   bin/tova-export, bin/tova-check,     the exports, drawings checked against a key, and exercises
#   bin/tova-exercise                    made from a key, without the window
#   bin/tova -> ../lib/tova/tova         the window, through a link
#   lib/tova/tova, Help.htm, Malvo.htm   the window looks for its help pages in its own folder
#                                        (Qt gives it the link's target, not the link's folder)
#   share/tova/Tova.ini                  the sample drawing
#   share/man/man1/tova.1.gz,
#   tova-export.1.gz, tova-check.1.gz,
#   tova-exercise.1.gz                   the manual pages
#   share/doc/tova/copyright,
#   changelog.Debian.gz                  the licence and the package's changelog
#   share/applications/tova.desktop, share/icons/hicolor/*/apps/tova.{svg,png},
#   share/mime/packages/tova.xml         the menu entry, its icon and the *.KRT document type
#
# The menu, icon and MIME caches are refreshed by Debian's dpkg triggers (desktop-file-utils,
# hicolor-icon-theme, shared-mime-info), so the package needs no maintainer scripts.

include(GNUInstallDirs)

# Not CMAKE_INSTALL_LIBDIR: under /usr that is the multiarch folder, and the program's folder is
# private to it, like /usr/lib/firefox.
set(TOVA_INSTALL_PROGRAMDIR "lib/tova" CACHE STRING
    "Folder under the prefix that holds the window program and its help pages")
set(TOVA_PACKAGE_MAINTAINER "Tova maintainers <maintainers@users.noreply.c-seed-8e98c291.example>"
    CACHE STRING "Maintainer field of the Debian package")

install(TARGETS tova-export tova-check tova-exercise RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Manual pages, compressed as Debian installs them.
set(man_pages)
foreach(page tova tova-export tova-check tova-exercise)
  set(man_page ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${man_page}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
                     COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/${page}.1 > ${man_page}
                     DEPENDS packaging/${page}.1 VERBATIM)
  list(APPEND man_pages ${man_page})
endforeach()
# The package's changelog, compressed as Debian installs it, beside its copyright file.
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.Debian.gz)
add_custom_command(OUTPUT ${changelog}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/doc
                   COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${changelog}
                   DEPENDS packaging/changelog VERBATIM)
add_custom_target(man_pages ALL DEPENDS ${man_pages} ${changelog})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright ${changelog} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tova)
install(FILES samples/Tova.ini DESTINATION ${CMAKE_INSTALL_DATADIR}/tova)

if(TARGET tova)
  foreach(dir CMAKE_INSTALL_BINDIR TOVA_INSTALL_PROGRAMDIR)
    if(IS_ABSOLUTE "${${dir}}")
      message(FATAL_ERROR "${dir} must be relative to the prefix so bin/tova can link to the program")
    endif()
  endforeach()
  install(TARGETS tova RUNTIME DESTINATION ${TOVA_INSTALL_PROGRAMDIR})
  install(FILES help/Help.htm help/Malvo.htm DESTINATION ${TOVA_INSTALL_PROGRAMDIR})

  # A relative link, so it still points at the program after DESTDIR staging or a moved prefix.
  file(RELATIVE_PATH program_from_bin /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${TOVA_INSTALL_PROGRAMDIR}/tova)
  set(link ${CMAKE_CURRENT_BINARY_DIR}/install-link/tova)
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/install-link)
  file(CREATE_LINK ${program_from_bin} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})  # copied as a link

  install(FILES packaging/tova.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/tova.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 48 128 256)
    install(FILES packaging/icons/${size}/tova.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES packaging/tova-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME tova.xml)

  # What an installation holds and whether it works, from a staged install of this build. Only
  # in the plain build: the sanitizer build's binaries are not what gets installed.
  if(NOT TOVA_SANITIZE AND NOT TOVA_FUZZ)
    add_test(NAME install_layout
             COMMAND ${PROJECT_SOURCE_DIR}/packaging/check-install.sh ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR}
                     ${TOVA_INSTALL_PROGRAMDIR})
    set_tests_properties(install_layout PROPERTIES TIMEOUT 60)
  endif()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tova)
set(CPACK_PACKAGE_VENDOR "Tova")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TOVA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "engineering drawing in three orthographic views")
# cpack leaves the lines as they are (each gets the leading space of the control file).
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Tova draws an object in its front, top and side views: an element is drawn"
  "in one view, given its depth in another and completed in the third. The"
  "wire-frame model that the three views describe can be turned in a 3D view."
  "It is written for teachers and students of engineering drawing."
  "."
  "tova-export writes a drawing without the window: SVG or DXF of its three"
  "views, PNG of its 3D view, OBJ of its model, or an A4 sheet with a title"
  "block as PDF."
  "."
  "tova-check compares students' drawings with the key of an exercise, as"
  "models: what is missing, extra or drawn with another line kind, with a"
  "score, in lines, JSON, CSV or a self-contained HTML report."
  "."
  "tova-exercise makes an exercise file from a key drawing: a title and task,"
  "the views given and the aids offered (check, where, peek, the object).")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TOVA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries come from dpkg-shlibdeps; Qt's X11 platform plugin is loaded at run time, so no
# library names it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The window's caption is Chinese and its controls prefer Liberation Sans; the help pages open
# in the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, fonts-liberation2, xdg-utils")
include(CPack)
