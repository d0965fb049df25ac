# SPDX-License-Identifier: GPL-3.0-or-later
# Hardening of every binary, as Debian builds its own packages: position-independent executables,
# stack protection, checked libc calls, control-flow protection where the compiler offers it, and
# a read-only relocation table resolved at start.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "ORVANEL_HAS${flag}" has_flag)
  check_cxx_compiler_flag(${flag} ${has_flag})
  if(${has_flag})
    add_compile_options(${flag})
  endif()
endforeach()

# The checked libc calls need optimisation (glibc warns without it, and warnings are errors here),
# so debug builds go without. Sanitizer and fuzz builds do too: their own interceptors check the
# same calls more closely, and the checked versions would bypass them.
if(NOT ORVANEL_SANITIZE AND NOT ORVANEL_FUZZ)
  add_compile_options(
    "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()

add_link_options(-Wl,-z,relro -Wl,-z,now)
