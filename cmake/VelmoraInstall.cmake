# Installing Velmora like a Linux program:
#   bin/velmora, bin/velmora-check          the programs
#   lib/libdravlen.so.7 (-> .so.7.51.1)    the engine
#   include/dravlen.h, lib/pkgconfig/dravlen.pc   for programs built on it ("dev")
#   share/velmora/                           the data the program reads from its program folder
#   libexec/velmora/quarvel                  the regulations program (share/velmora/Tavisto/quarvel links to it)
#   share/applications, icons, mime, metainfo, man/man1   desktop integration and manual pages
# Installed files name no folder of the build tree: the programs find the
# engine through a run path relative to themselves, and the data through
# their own location (program/app/program_folder.cpp).
include(GNUInstallDirs)

set(VELMORA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/velmora)
set(VELMORA_LIBEXEC_DIR ${CMAKE_INSTALL_LIBEXECDIR}/velmora)
set(VELMORA_RESOURCES ${PROJECT_SOURCE_DIR}/program/resources)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# ---- programs and the engine ---------------------------------------------
file(RELATIVE_PATH velmora_lib_from_bin /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
set_target_properties(velmora velmora-check PROPERTIES INSTALL_RPATH "$ORIGIN/${velmora_lib_from_bin}")
install(TARGETS velmora velmora-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
install(TARGETS dravlen
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev)
install(TARGETS quarvel RUNTIME DESTINATION ${VELMORA_LIBEXEC_DIR} COMPONENT runtime)

# ---- for programs built on the engine -------------------------------------
install(FILES ${PROJECT_SOURCE_DIR}/engine/include/dravlen.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT dev)
# The .pc file names the prefix the files are installed under, which for
# the package (/usr) is not the one the build was configured with: it is
# written at install time.
set(VELMORA_PC_PREFIX "@VELMORA_INSTALL_PREFIX@")
configure_file(${PROJECT_SOURCE_DIR}/packaging/dravlen.pc.in ${PROJECT_BINARY_DIR}/packaging/dravlen.pc.in @ONLY)
install(CODE "set(VELMORA_INSTALL_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  configure_file(\"${PROJECT_BINARY_DIR}/packaging/dravlen.pc.in\" \"${PROJECT_BINARY_DIR}/packaging/dravlen.pc\" @ONLY)"
  COMPONENT dev)
install(FILES ${PROJECT_BINARY_DIR}/packaging/dravlen.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)

# ---- data of the program folder -------------------------------------------
# The same folders the build copies beside the executable.
foreach(dir help regulations EMERRESP HAZMAT)
  install(DIRECTORY ${VELMORA_RESOURCES}/${dir}/ DESTINATION ${VELMORA_DATA_DIR}/${dir} COMPONENT runtime
          PATTERN PROVENANCE.md EXCLUDE)
endforeach()
foreach(dir HAZMAT LABELS Markings help)
  install(DIRECTORY ${VELMORA_RESOURCES}/auditors/${dir}/ DESTINATION ${VELMORA_DATA_DIR}/${dir} COMPONENT runtime)
endforeach()
install(DIRECTORY ${VELMORA_RESOURCES}/cti/ DESTINATION ${VELMORA_DATA_DIR}/Data/CTI COMPONENT runtime
        PATTERN PROVENANCE.md EXCLUDE)
# The program starts "Tavisto/quarvel" in its program folder: a relative
# link keeps the executable out of share/.
file(RELATIVE_PATH velmora_quarvel_link /${VELMORA_DATA_DIR}/Tavisto /${VELMORA_LIBEXEC_DIR}/quarvel)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/packaging/Tavisto)
file(CREATE_LINK ${velmora_quarvel_link} ${PROJECT_BINARY_DIR}/packaging/Tavisto/quarvel SYMBOLIC)
install(FILES ${PROJECT_BINARY_DIR}/packaging/Tavisto/quarvel DESTINATION ${VELMORA_DATA_DIR}/Tavisto COMPONENT runtime)
# Sample truckloads for the command-line checker and the program.
install(FILES ${PROJECT_SOURCE_DIR}/tests/cli/samples/gasoline-cargo-tank.json
              ${PROJECT_SOURCE_DIR}/tests/cli/samples/do-not-load.json
              "${PROJECT_SOURCE_DIR}/tests/cli/samples/TRUCK 7.vlm"
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples COMPONENT runtime)

# ---- desktop integration -------------------------------------------------
install(FILES ${PROJECT_SOURCE_DIR}/packaging/velmora.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT runtime)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/velmora-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME velmora.xml COMPONENT runtime)
# AppStream wants screenshots as web addresses: the committed ones
# (packaging/screenshots, scripts/screenshots.sh) are listed once they are
# published under VELMORA_SCREENSHOT_URL.
set(VELMORA_SCREENSHOT_URL "" CACHE STRING "Web folder holding packaging/screenshots/*.png for the AppStream metainfo")
set(VELMORA_SCREENSHOTS "")
if(VELMORA_SCREENSHOT_URL)
  string(APPEND VELMORA_SCREENSHOTS "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>The compliance view of a saved truckload: placards, markings and legality</caption>\n"
    "      <image>${VELMORA_SCREENSHOT_URL}/compliance.png</image>\n"
    "    </screenshot>\n"
    "    <screenshot>\n"
    "      <caption>The main window at the start</caption>\n"
    "      <image>${VELMORA_SCREENSHOT_URL}/start.png</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
configure_file(${PROJECT_SOURCE_DIR}/packaging/velmora.metainfo.xml.in ${PROJECT_BINARY_DIR}/packaging/velmora.metainfo.xml
               @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/velmora.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME org.velmora.velmora.metainfo.xml COMPONENT runtime)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/velmora.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT runtime)
# The PNG sizes of the icon theme, rendered from the generated drawing.
set(VELMORA_ICON_SIZES 16 22 24 32 48 64 128 256)
find_program(VELMORA_RSVG_CONVERT rsvg-convert)
if(VELMORA_RSVG_CONVERT)
  set(icons)
  foreach(size IN LISTS VELMORA_ICON_SIZES)
    set(png ${PROJECT_BINARY_DIR}/packaging/icons/${size}x${size}/velmora.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging/icons/${size}x${size}
      COMMAND ${VELMORA_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${PROJECT_SOURCE_DIR}/packaging/icons/velmora.svg
      DEPENDS ${PROJECT_SOURCE_DIR}/packaging/icons/velmora.svg
      VERBATIM)
    list(APPEND icons ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps COMPONENT runtime)
  endforeach()
  add_custom_target(velmora_icons ALL DEPENDS ${icons})
else()
  message(WARNING "rsvg-convert (librsvg2-bin) not found: the package gets the scalable icon only")
endif()

# ---- manual pages from docs/cli.md -----------------------------------------
set(VELMORA_MAN_PAGES velmora-check.1 velmora.1)
set(man_outputs)
foreach(page IN LISTS VELMORA_MAN_PAGES)
  list(APPEND man_outputs ${PROJECT_BINARY_DIR}/man/${page})
endforeach()
add_custom_command(OUTPUT ${man_outputs}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/cli_docs.py man ${PROJECT_SOURCE_DIR}/docs/cli.md
          ${PROJECT_BINARY_DIR}/man ${PROJECT_VERSION}
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/cli.md ${PROJECT_SOURCE_DIR}/tools/cli_docs.py
  VERBATIM)
add_custom_target(velmora_man ALL DEPENDS ${man_outputs})
install(FILES ${man_outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT runtime)
