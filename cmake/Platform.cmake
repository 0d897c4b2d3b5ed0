# The geometry model computes in long double and relies on the x87 80-bit format:
# its constants are written as 64-bit-mantissa literals and its results are
# checked to the last of those bits. Compilers whose long double is the 64-bit
# double (MSVC, ARM64 Windows and macOS) or a 128-bit quad (ARM64 and other
# Linux targets) would build a program with other numbers, so stop here with a
# message instead of failing later inside geometry/.
include(CheckCXXSourceCompiles)

set(CMAKE_REQUIRED_QUIET ON)
check_cxx_source_compiles([=[
#include <cfloat>
static_assert(LDBL_MANT_DIG == 64, "long double must have a 64-bit mantissa");
int main() { return 0; }
]=] KAVORIN_LONG_DOUBLE_IS_X87)
unset(CMAKE_REQUIRED_QUIET)

if(NOT KAVORIN_LONG_DOUBLE_IS_X87)
  message(FATAL_ERROR
    "Kavorin computes in 80-bit extended precision and needs a compiler whose "
    "long double has a 64-bit mantissa (LDBL_MANT_DIG == 64). "
    "${CMAKE_CXX_COMPILER_ID} ${CMAKE_CXX_COMPILER_VERSION} for ${CMAKE_SYSTEM_PROCESSOR}, "
    "with the flags in use, does not provide one. Build on x86-64 with GCC or Clang (Linux) or with "
    "MinGW-w64 GCC (Windows); MSVC and ARM64 are not supported.")
endif()
message(STATUS "long double has a 64-bit mantissa")
