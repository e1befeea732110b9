# Installing the program like any Linux desktop program, and packaging it as a .deb:
#   cmake --install <build> --prefix <dir>     cpack -G DEB   (run in the build folder)
include(GNUInstallDirs)

install(TARGETS solvarin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/pl.solvarin.Solvarin.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/pl.solvarin.Solvarin.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/${size}/solvarin.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/solvarin.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The sample books with their photos; an installed copy offers one of them at its first start.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/solvarin/examples)

# What Debian asks of every package: a manual page, the copyright and the changelog, compressed.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
foreach(name changelog solvarin.1)
  execute_process(COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/${name}
    OUTPUT_FILE ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
endforeach()
set(changelog_gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/solvarin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${changelog_gz}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/solvarin)

set(CPACK_PACKAGE_NAME solvarin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Solvarin developers <solvarin@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "curing, salting and smoking calculator with a cookbook")
set(CPACK_PACKAGE_DESCRIPTION "A Polish desktop program for people who cure, salt and smoke meat\n\
and fish at home: wet and dry curing, casing norms, brine and vinegar\n\
pickle, fish salting with an end-time clock, and a cookbook of recipes.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://solvarin.example.org/")
# The libraries the program links, found by dpkg-shlibdeps; fonts and picture plugins it needs at
# run time are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, fonts-dejavu-extra")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
