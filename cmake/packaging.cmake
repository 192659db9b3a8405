# The installed layout: bin/ribaku, its audio plugins in lib/ribaku and its data in
# share/ribaku, where the program looks for them (src/app/program_folders.h); the desktop
# entry, icons and metainfo where desktops find them. CPack wraps it into a .deb.
include(GNUInstallDirs)

install(TARGETS ribaku RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# lib/ribaku, not a multiarch libdir: the program finds them at <bin>/../lib/ribaku.
install(TARGETS ribaku_music_plugin ribaku_sound_effects_plugin LIBRARY DESTINATION lib/ribaku)
# The pictures of resources/ are compiled into the program; desktop/ goes where desktops look.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/ribaku
    PATTERN resources EXCLUDE
    PATTERN desktop EXCLUDE)

set(RIBAKU_APP_ID io.github.ribaku.Ribaku)
set(desktop ${PROJECT_SOURCE_DIR}/data/desktop)
install(FILES ${desktop}/${RIBAKU_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/${RIBAKU_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop}/icons/scalable/${RIBAKU_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256 512)
    install(FILES ${desktop}/icons/${size}/${RIBAKU_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ribaku)
set(CPACK_PACKAGE_VENDOR "Ribaku")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mah-jongg tile-matching solitaire")
set(CPACK_PACKAGE_DESCRIPTION
    "Ribaku takes 144 tiles stacked after a layout off in matching pairs of free tiles.\n"
    "Rivers, Memory, a two-player game, a layout editor, a hall of fame, tilesets,\n"
    "backgrounds, sound effects and music stand around the classic game.")
set(CPACK_PACKAGE_CONTACT "Ribaku developers <ribaku@users.noreply.github.com>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# dpkg-shlibdeps names the libraries the program and its plugins link. The SoundFont is read
# by the music plugin at run time, so no library names it; without one the game is silent.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "timgm6mb-soundfont | fluid-soundfont-gm")
set(CPACK_STRIP_FILES ON)
include(CPack)
