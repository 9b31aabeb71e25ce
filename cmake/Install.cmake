# What `cmake --install` puts under the prefix: the game in bin/, its data in
# share/quellow/ (where the game looks when its own folder holds no data), and what
# desktops need to list it: the desktop entry, the icons in the hicolor theme and the
# software-centre description.
include(GNUInstallDirs)

install(TARGETS quellow RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
foreach(data_folder Texts Levels Images Sounds Music)
  install(DIRECTORY "${QUELLOW_GAME_DIR}/${data_folder}" DESTINATION "${CMAKE_INSTALL_DATADIR}/quellow" OPTIONAL)
endforeach()

# The icons are drawn from the game's emblem by the image generator, one per size.
set(QUELLOW_ICON_SIZES 16 22 24 32 48 64 128 256)
set(icon_dir "${CMAKE_BINARY_DIR}/desktop")
set(icon_files "")
foreach(size IN LISTS QUELLOW_ICON_SIZES)
  list(APPEND icon_files "${icon_dir}/Images/Icons/quellow-${size}.png")
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND imagegen build "${CMAKE_SOURCE_DIR}/assets/images/icons.txt" "${icon_dir}"
  DEPENDS imagegen "${CMAKE_SOURCE_DIR}/assets/images/icons.txt" "${CMAKE_SOURCE_DIR}/assets/images/desktop/AppIcon.svg"
    "${CMAKE_SOURCE_DIR}/assets/images/common/emblem.svgf"
  COMMENT "Drawing the desktop icons"
  VERBATIM)
add_custom_target(desktop_icons ALL DEPENDS ${icon_files})
# Review aid: the icons side by side.
add_custom_target(icon_contact_sheet
  COMMAND imagegen contact "${CMAKE_SOURCE_DIR}/assets/images/icons.txt" "${icon_dir}" "${CMAKE_BINARY_DIR}/contact-sheets"
  DEPENDS desktop_icons
  COMMENT "Icon contact sheet in ${CMAKE_BINARY_DIR}/contact-sheets"
  VERBATIM)
foreach(size IN LISTS QUELLOW_ICON_SIZES)
  install(FILES "${icon_dir}/Images/Icons/quellow-${size}.png"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps" RENAME quellow.png)
endforeach()

install(FILES "${CMAKE_SOURCE_DIR}/assets/desktop/quellow.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${CMAKE_SOURCE_DIR}/assets/desktop/io.github.quellow.Quellow.metainfo.xml"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

# The software-centre screenshot is a frame of the game itself: the splash as a
# player first sees it, captured offscreen from the data the build made. It is
# published beside the description at the address the description gives.
if(QUELLOW_DATA)
  set(screenshot "${CMAKE_BINARY_DIR}/desktop/screenshot-title.png")
  add_custom_command(OUTPUT "${screenshot}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${CMAKE_BINARY_DIR}/desktop"
    COMMAND "${CMAKE_COMMAND}" -E env SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
      "$<TARGET_FILE:quellow-dev>" capture --frames 420 --out "${screenshot}"
    DEPENDS quellow-dev gamedata
    COMMENT "Capturing the software-centre screenshot"
    VERBATIM)
  add_custom_target(desktop_screenshot ALL DEPENDS "${screenshot}")
endif()
