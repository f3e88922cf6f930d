# Installed layout for the organiser's Linux machine, and its Debian package:
#   bin/zvk-score and bin/zvk-robot (which `zvk-score serve` runs),
#   lib/zvk-stats/libStats.so (found by zvk-score through its
#   RPATH), share/zvk-stats/contests/*.ini (and *.txt), share/doc/zvk-stats/, and the log
#   robot's unit lib/systemd/system/zvk-robot.service (installed, not enabled).
include(GNUInstallDirs)
set(ZVK_PLUGIN_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/zvk-stats)

install(TARGETS Stats LIBRARY DESTINATION ${ZVK_PLUGIN_INSTALL_DIR})
install(TARGETS zvk-score zvk-robot RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
file(RELATIVE_PATH zvk_plugin_from_bin ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${ZVK_PLUGIN_INSTALL_DIR})
set_target_properties(zvk-score PROPERTIES INSTALL_RPATH "$ORIGIN/${zvk_plugin_from_bin}")

# Every contest definition there is, with the lists of allowed values they
# name beside them; the folder may not exist yet.
file(GLOB zvk_contests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/contests/*.ini
     ${PROJECT_SOURCE_DIR}/contests/*.txt)
install(FILES ${zvk_contests} DESTINATION ${CMAKE_INSTALL_DATADIR}/zvk-stats/contests)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/examples/zvk-sample.adi
              ${PROJECT_SOURCE_DIR}/examples/zvk-sample.cbr
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/zvk-stats)

install(FILES ${PROJECT_SOURCE_DIR}/robot/zvk-robot.service DESTINATION lib/systemd/system)

set(CPACK_PACKAGE_NAME zvk-stats)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "zvk-stats maintainers <zvk-stats@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ZVK CW Contest scoring plug-in and the zvk-score command")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
# The country file the DX contests' definitions read by default.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS hamradio-files)
include(CPack)
