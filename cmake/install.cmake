# Installing the program (make install) and its Debian package (make package).
#
# The executables and their data files go into one program folder, since the
# program finds its data files beside its own executable. The commands on the
# path are relative links into that folder: the program reads its real place
# from /proc/self/exe, which names the file a link points to.
include(GNUInstallDirs)

set(KRIZOVKY_APP_ID cz.krizovky.Krizovky)
set(KRIZOVKY_PROGRAM_DIR lib/krizovky CACHE STRING
    "The program folder: the executables and their data files, under the prefix")
if(IS_ABSOLUTE "${KRIZOVKY_PROGRAM_DIR}" OR IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
    message(FATAL_ERROR "KRIZOVKY_PROGRAM_DIR and CMAKE_INSTALL_BINDIR must lie under the prefix")
endif()

set(krizovky_programs)
if(KRIZOVKY_TOOL)
    list(APPEND krizovky_programs krizovky-tool)
endif()
if(KRIZOVKY_BUILD_UI)
    list(APPEND krizovky_programs krizovky)
endif()
if(krizovky_programs)
    install(TARGETS ${krizovky_programs} RUNTIME DESTINATION ${KRIZOVKY_PROGRAM_DIR})
endif()
install(FILES ${KRIZOVKY_DATA_FILES} DESTINATION ${KRIZOVKY_PROGRAM_DIR})

# The launchers: links made once in the build folder and installed as links.
file(RELATIVE_PATH krizovky_bin_to_program /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${KRIZOVKY_PROGRAM_DIR})
foreach(program IN LISTS krizovky_programs)
    set(link ${CMAKE_BINARY_DIR}/launchers/${program})
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/launchers)
    file(CREATE_LINK ${krizovky_bin_to_program}/${program} ${link} SYMBOLIC)
    install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# The manual pages, compressed as Debian keeps them.
set(krizovky_man_pages)
foreach(page IN LISTS krizovky_programs)
    set(compressed ${CMAKE_BINARY_DIR}/man/${page}.6.gz)
    add_custom_command(
        OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/data/man/${page}.6 > ${compressed}
        DEPENDS ${CMAKE_SOURCE_DIR}/data/man/${page}.6
        COMMENT "Compressing the manual page ${page}(6)")
    list(APPEND krizovky_man_pages ${compressed})
endforeach()
add_custom_target(krizovky_man_pages ALL DEPENDS ${krizovky_man_pages})
install(FILES ${krizovky_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

if(KRIZOVKY_BUILD_UI)
    # The desktop menu: the entry, the icon in every size the menus ask for,
    # drawn from the one SVG, and the description for software centres.
    install(FILES data/${KRIZOVKY_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES data/${KRIZOVKY_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES data/icons/krizovky.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

    find_program(KRIZOVKY_RSVG_CONVERT rsvg-convert)
    if(NOT KRIZOVKY_RSVG_CONVERT)
        message(FATAL_ERROR "rsvg-convert draws the program's icons: run scripts/install-deps.sh")
    endif()
    set(krizovky_icons)
    foreach(size 16 22 24 32 48 64 128 256)
        set(icon ${CMAKE_BINARY_DIR}/icons/${size}x${size}/krizovky.png)
        add_custom_command(
            OUTPUT ${icon}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
            COMMAND ${KRIZOVKY_RSVG_CONVERT} --width ${size} --height ${size}
                    --output ${icon} ${CMAKE_SOURCE_DIR}/data/icons/krizovky.svg
            DEPENDS ${CMAKE_SOURCE_DIR}/data/icons/krizovky.svg
            COMMENT "Drawing the ${size}x${size} icon")
        list(APPEND krizovky_icons ${icon})
        install(FILES ${icon}
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    add_custom_target(krizovky_icons ALL DEPENDS ${krizovky_icons})

    # The files the desktop reads are checked by its own validators, and the
    # installed program and package are started from where they land.
    add_test(NAME desktop_entry_valid
             COMMAND desktop-file-validate ${CMAKE_SOURCE_DIR}/data/${KRIZOVKY_APP_ID}.desktop)
    add_test(NAME appstream_metainfo_valid
             COMMAND appstreamcli validate --no-net
                     ${CMAKE_SOURCE_DIR}/data/${KRIZOVKY_APP_ID}.metainfo.xml)
    add_test(NAME manual_pages_valid
             COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/manual_pages_test.sh
                     ${CMAKE_SOURCE_DIR}/data/man $<TARGET_FILE:krizovky-tool>)
    add_test(NAME install_test
             COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR}
                     ${KRIZOVKY_APP_ID})
    add_test(NAME package_test
             COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/package_test.sh ${CMAKE_BINARY_DIR}
                     ${KRIZOVKY_APP_ID})
    # Both install from the same build folder; the package test skips (77)
    # without root.
    set_tests_properties(install_test package_test PROPERTIES RESOURCE_LOCK krizovky_install
                                                              TIMEOUT 600)
    set_tests_properties(package_test PROPERTIES SKIP_RETURN_CODE 77)
endif()

# The Debian package: the same files under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME krizovky)
set(CPACK_PACKAGE_VERSION 2.0)
set(CPACK_PACKAGE_CONTACT "krizovky maintainers <maintainers@krizovky.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sum crosswords (součtové křížovky) with a Czech user interface")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A desktop game of sum crosswords: fill the yellow squares with the digits 1 to 9 so\n"
    "that every run adds up to the sum in its clue square. Hints at three levels, the\n"
    "check of each digit, undo with Marks, saved games, a task editor with a generator\n"
    "and a solver that shows its search. Includes krizovky-tool, the game without a\n"
    "window, for task authors and scripts.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The libraries from what the executables link (Qt's GUI and SVG modules for
# the tool's drawings too); the fonts and Qt's window system plugins the
# program needs at run time on top of them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)
