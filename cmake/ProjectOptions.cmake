# Every compile flag of the project sits on this one INTERFACE target.
add_library(zendra_options INTERFACE)

# Off for a user's build, where a newer compiler's new warning must not stop it; the tests and CI turn it on.
option(ZENDRA_WERROR "Treat compiler warnings as errors" OFF)
option(ZENDRA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

target_compile_options(zendra_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
if(ZENDRA_WERROR)
    target_compile_options(zendra_options INTERFACE -Werror)
endif()
# Full RELRO with immediate binding: the dynamic linker resolves every symbol at start and then makes the
# relocated tables read-only, so a stray write cannot redirect a library call.
target_link_options(zendra_options INTERFACE "LINKER:-z,relro,-z,now")
# Code and data no caller reaches are left out of the executables, and relative relocations are packed where the
# linker and the C library support it: the loader then maps and touches fewer pages at every start.
include(CheckLinkerFlag)
target_compile_options(zendra_options INTERFACE -ffunction-sections -fdata-sections)
check_linker_flag(CXX "LINKER:--gc-sections" ZENDRA_LINKER_GC_SECTIONS)
if(ZENDRA_LINKER_GC_SECTIONS)
    target_link_options(zendra_options INTERFACE "LINKER:--gc-sections")
endif()
check_linker_flag(CXX "LINKER:-z,pack-relative-relocs" ZENDRA_LINKER_PACKED_RELOCATIONS)
if(ZENDRA_LINKER_PACKED_RELOCATIONS)
    target_link_options(zendra_options INTERFACE "LINKER:-z,pack-relative-relocs")
endif()
# The C library checks the bounds of the copies it can size at compile time, as Debian builds its packages; the
# checks need the optimiser, and the sanitizers do that work in their own build. A compiler that sets a level of
# its own is overruled rather than warned about.
if(NOT ZENDRA_SANITIZE)
    target_compile_options(zendra_options INTERFACE
        "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()
target_compile_definitions(zendra_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_URL_CAST_FROM_STRING QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS)

if(ZENDRA_SANITIZE)
    target_compile_options(zendra_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(zendra_options INTERFACE -fsanitize=address,undefined)
endif()
