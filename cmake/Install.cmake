# Installation: the program, its desktop entry and its icon. The icon files
# are pictures of icon resource 101, made at build time by tools/imagepng, so
# that the icon has one home: its drawing in src/resources/bitmaps.cpp.
include(GNUInstallDirs)

add_subdirectory(tools/imagepng)

# The side of the icon as drawn; the larger files enlarge each pixel.
set(velmora_icon_side 32)
set(velmora_icon_scales 1 2 4)
set(velmora_icon_dir ${CMAKE_BINARY_DIR}/generated/icons)

set(velmora_icon_files)
foreach(scale IN LISTS velmora_icon_scales)
  math(EXPR side "${velmora_icon_side} * ${scale}")
  set(png ${velmora_icon_dir}/${side}x${side}/velmora.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${velmora_icon_dir}/${side}x${side}
    COMMAND imagepng icon ${scale} ${png}
    DEPENDS imagepng
    COMMENT "Drawing the ${side}x${side} program icon"
    VERBATIM)
  list(APPEND velmora_icon_files ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${side}x${side}/apps)
endforeach()
add_custom_target(velmora_icons ALL DEPENDS ${velmora_icon_files})

if(TARGET velmora)
  install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES data/velmora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
