# SPDX-License-Identifier: GPL-3.0-or-later
# Compiler flags shared by every target. Results must be bit-exact on every compiler: no FMA
# contraction and never -ffast-math.
add_compile_options(-ffp-contract=off -fno-fast-math -Wall -Wextra -Wpedantic)

if(SPIROLAN_WERROR)
    add_compile_options(-Werror)
endif()

if(SPIROLAN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined)
endif()

if(SPIROLAN_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "SPIROLAN_FUZZ needs clang (libFuzzer)")
    endif()
    # Coverage instrumentation for the code the fuzz targets reach; they link the driver.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
