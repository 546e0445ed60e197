# glibc-math.dll: glibc's sin, cos, sincos, atan and pow, built from the source files that
# tools/windows/glibc_math_source.sh takes out of Debian's glibc (CINDERWAKE_GLIBC_MATH_DIR), with the
# flags glibc builds them with. The program links it ahead of the C runtime's own versions.
set(CINDERWAKE_GLIBC_MATH_DIR "" CACHE PATH "Folder made by tools/windows/glibc_math_source.sh")
if(NOT EXISTS "${CINDERWAKE_GLIBC_MATH_DIR}/dbl-64/s_sin.c")
  message(FATAL_ERROR "CINDERWAKE_GLIBC_MATH_DIR must name the folder made by tools/windows/glibc_math_source.sh")
endif()
set(_gm_src ${CINDERWAKE_GLIBC_MATH_DIR}/dbl-64)
set(_gm_here ${CMAKE_CURRENT_LIST_DIR}/glibc_math)
# glibc's math flags (Makeconfig): GNU C11, -O2, contraction allowed, no folding across rounding modes.
set(_gm_flags -O2 -std=gnu11 -frounding-math -fmerge-all-constants -fno-stack-protector -fno-common
              -fmath-errno -w)

add_library(glibc_math_common OBJECT ${_gm_src}/branred.c ${_gm_src}/sincostab.c ${_gm_src}/e_pow_log_data.c
                                     ${_gm_src}/e_exp_data.c ${_gm_src}/math_err.c)
set(_gm_objects $<TARGET_OBJECTS:glibc_math_common>)
set(_gm_targets glibc_math_common)
foreach(variant sse2 fma fma4)
  set(_gm_variant_flags)
  if(variant STREQUAL "fma")
    set(_gm_variant_flags -mfma -mavx2)
  elseif(variant STREQUAL "fma4")
    set(_gm_variant_flags -mfma4)
  endif()
  # Each file once per variant, its entry points renamed as glibc's multiarch files rename them.
  add_library(glibc_math_${variant} OBJECT ${_gm_src}/s_sin.c ${_gm_src}/s_sincos.c ${_gm_src}/s_atan.c
                                           ${_gm_src}/e_pow.c)
  target_compile_options(glibc_math_${variant} PRIVATE ${_gm_variant_flags})
  target_compile_definitions(glibc_math_${variant} PRIVATE
    __sin=cw_glibc_sin_${variant} __cos=cw_glibc_cos_${variant} __sincos=cw_glibc_sincos_${variant}
    __atan=cw_glibc_atan_${variant} __pow=cw_glibc_pow_${variant})
  list(APPEND _gm_objects $<TARGET_OBJECTS:glibc_math_${variant}>)
  list(APPEND _gm_targets glibc_math_${variant})
endforeach()
foreach(t IN LISTS _gm_targets)
  target_compile_options(${t} PRIVATE ${_gm_flags} -include ${_gm_here}/shim/glibc_compat.h)
  target_include_directories(${t} BEFORE PRIVATE ${_gm_here}/shim ${_gm_src})
  # glibc's own files: its warnings are glibc's business (-w), but the target follows the rule.
  target_link_libraries(${t} PRIVATE cinderwake_warnings)
endforeach()

# A DLL of its own, so that the LGPL'd part can be replaced, as its licence asks.
add_library(glibc_math SHARED ${_gm_here}/dispatch.c ${_gm_objects})
target_compile_options(glibc_math PRIVATE -O2 -fno-builtin)
target_link_libraries(glibc_math PRIVATE cinderwake_warnings)
set_target_properties(glibc_math PROPERTIES OUTPUT_NAME glibc-math PREFIX "" IMPORT_PREFIX lib
                                            RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_link_options(glibc_math PRIVATE -static-libgcc)
