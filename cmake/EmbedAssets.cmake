# Builds the embedded pictures, fonts and the location table into the program with the assembler's .incbin.
# A file is known by its name alone; one listed with its whole path is taken from there.
set(CW_EMBED_ASM ${CMAKE_BINARY_DIR}/generated/embedded_assets.S)
set(CW_EMBED_TABLE ${CMAKE_BINARY_DIR}/generated/embedded_assets_table.cpp)
if(WIN32)
  set(asm ".section .rdata,\"dr\"\n")
elseif(EMSCRIPTEN)
  set(asm "")
else()
  set(asm ".section .rodata\n")
endif()
set(table "#include \"ui/embedded_assets.h\"\n#include <cstring>\n#include <stdexcept>\n\n")
set(entries "")
set(deps "")
set(i 0)
foreach(file IN LISTS CW_EMBEDDED_FILES)
  if(IS_ABSOLUTE ${file})
    set(path ${file})
  else()
    set(path ${CINDERWAKE_EMBED_DIR}/${file})
  endif()
  get_filename_component(name ${file} NAME)
  if(EMSCRIPTEN)
    # WebAssembly objects want a section and a size for each data symbol.
    string(APPEND asm ".section .rodata.cw_asset_${i},\"\",@\n")
  endif()
  string(APPEND asm ".balign 16\n.global cw_asset_${i}_begin\ncw_asset_${i}_begin:\n.incbin \"${path}\"\n.global cw_asset_${i}_end\ncw_asset_${i}_end:\n.byte 0\n")
  if(EMSCRIPTEN)
    string(APPEND asm ".size cw_asset_${i}_begin, cw_asset_${i}_end - cw_asset_${i}_begin\n.size cw_asset_${i}_end, 1\n")
  endif()
  string(APPEND table "extern \"C\" const unsigned char cw_asset_${i}_begin[], cw_asset_${i}_end[];\n")
  string(APPEND entries "    {\"${name}\", cw_asset_${i}_begin, cw_asset_${i}_end},\n")
  list(APPEND deps ${path})
  math(EXPR i "${i} + 1")
endforeach()
if(NOT WIN32 AND NOT EMSCRIPTEN)
  string(APPEND asm ".section .note.GNU-stack,\"\",@progbits\n")
endif()
string(APPEND table "
namespace cw {
std::span<const unsigned char> EmbeddedAsset(const std::string& name) {
  static const struct { const char* name; const unsigned char* begin; const unsigned char* end; } kAssets[] = {
${entries}  };
  for (const auto& a : kAssets)
    if (name == a.name) return {a.begin, size_t(a.end - a.begin)};
  throw std::out_of_range(\"no embedded file \" + name);
}
}  // namespace cw
")
file(CONFIGURE OUTPUT ${CW_EMBED_ASM} CONTENT "${asm}")
file(CONFIGURE OUTPUT ${CW_EMBED_TABLE} CONTENT "${table}")
set_source_files_properties(${CW_EMBED_ASM} PROPERTIES OBJECT_DEPENDS "${deps}")
set(CINDERWAKE_EMBED_SOURCES ${CW_EMBED_ASM} ${CW_EMBED_TABLE})
