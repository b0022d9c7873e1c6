# Every target is built hardened, as a Debian package built with hardening=+all: a position
# independent executable, stack protector and stack clash protection, control-flow protection
# where the processor has it, fortified libc calls, and full RELRO with immediate binding.
# tests/package/test_package.sh checks the installed binaries for each of these.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

check_pie_supported(OUTPUT_VARIABLE _pie_message LANGUAGES CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(FATAL_ERROR "The linker cannot build a position independent executable: ${_pie_message}")
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# -fcf-protection exists on x86 only; each flag is taken where the compiler knows it.
foreach(_flag -fstack-protector-strong -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "VEMOX_HAS${_flag}" _known)
    check_cxx_compiler_flag(${_flag} ${_known})
    if(${_known})
        add_compile_options(${_flag})
    endif()
endforeach()

# The fortified calls need the optimiser, and AddressSanitizer replaces the same calls with
# its own checked ones: a Debug or sanitizer build goes without them.
if(NOT VEMOX_SANITIZE)
    add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
endif()

add_link_options(LINKER:-z,relro LINKER:-z,now)
