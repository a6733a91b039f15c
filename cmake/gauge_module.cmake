# tarvik_gauge_module(NAME <module> SOURCES <files...> [ART <recipe.cpp>] [LIBS <libs...>] [OUTPUT_DIR <dir>])
#
# Builds <module>.gau in the panel root (or OUTPUT_DIR, for test fixtures that no panel should list): a shared object that exports only Linkage and ImportTable.
# The ART recipe is compiled into a build-time tool that draws every bitmap of the gauge, checks each
# number and size against what the recipe declares, and writes them as one resource pack; the pack is
# embedded into the module in its own ELF section, where the host's loader finds it by number.
function(tarvik_gauge_module)
  cmake_parse_arguments(G "" "NAME;ART;OUTPUT_DIR" "SOURCES;LIBS" ${ARGN})
  if(NOT G_OUTPUT_DIR)
    set(G_OUTPUT_DIR ${TARVIK_PANEL_ROOT})
    set_property(GLOBAL APPEND PROPERTY TARVIK_MODULE_TARGETS gau_${G_NAME})
  endif()
  set(target gau_${G_NAME})
  set(res_sources "")
  if(G_ART)
    set(art_tool art_${G_NAME})
    add_executable(${art_tool} ${G_ART})
    target_link_libraries(${art_tool} PRIVATE tarvik_art_main)
    set(pack ${CMAKE_CURRENT_BINARY_DIR}/${G_NAME}.respack)
    set(bmp_dir ${CMAKE_BINARY_DIR}/art/${G_NAME})
    add_custom_command(OUTPUT ${pack}
      COMMAND ${art_tool} --out ${pack} --bmp-dir ${bmp_dir}
      DEPENDS ${art_tool}
      COMMENT "Drawing the bitmaps of ${G_NAME}")
    set(asm ${CMAKE_CURRENT_BINARY_DIR}/${G_NAME}_resources.S)
    file(WRITE ${asm}
      "    .section .tarvik_resources,\"a\",@progbits\n"
      "    .balign 16\n"
      "    .incbin \"${pack}\"\n"
      "    .section .note.GNU-stack,\"\",@progbits\n")
    set_source_files_properties(${asm} PROPERTIES OBJECT_DEPENDS ${pack})
    set(res_sources ${asm})
  endif()
  add_library(${target} SHARED ${G_SOURCES} ${res_sources})
  target_link_libraries(${target} PRIVATE tarvik_sdk tarvik_win32 ${G_LIBS})
  set_target_properties(${target} PROPERTIES
    PREFIX "" OUTPUT_NAME ${G_NAME} SUFFIX ".gau"
    LIBRARY_OUTPUT_DIRECTORY ${G_OUTPUT_DIR}
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    BUILD_RPATH "$ORIGIN;${TARVIK_PANEL_ROOT}" INSTALL_RPATH "$ORIGIN")
  # Only Linkage and ImportTable leave the module; its own references bind inside it.
  target_link_options(${target} PRIVATE
    -Wl,--version-script=${CMAKE_SOURCE_DIR}/cmake/gauge_exports.map -Wl,-Bsymbolic -Wl,--no-undefined)
endfunction()
