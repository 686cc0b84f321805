# Compiler settings shared by every target of the project.

add_library(vex_compiler_options INTERFACE)
target_compile_options(vex_compiler_options INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(vex_compiler_options INTERFACE
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_DISABLE_DEPRECATED_UP_TO=0x060400)
if(VEX_WARNINGS_AS_ERRORS)
    target_compile_options(vex_compiler_options INTERFACE -Werror)
endif()

if(VEX_SANITIZE)
    target_compile_options(vex_compiler_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(vex_compiler_options INTERFACE -fsanitize=address,undefined)
endif()

if(VEX_FUZZ)
    # The library is instrumented for coverage; each fuzz target links the libFuzzer driver.
    target_compile_options(vex_compiler_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    target_link_options(vex_compiler_options INTERFACE -fsanitize=address,undefined)
endif()
