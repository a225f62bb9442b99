# Warnings everywhere, errors in the project's own builds; the race must add in
# strict single precision on every machine, so no fused multiply-add; and an
# optional sanitizer build.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
                    -ffp-contract=off)
# A distribution builds with compilers newer than ours, whose new warnings must
# not break its build: only scripts/setup turns this on.
if(TARVELON_WERROR)
    add_compile_options(-Werror)
endif()
# GCC 12 reports impossible overlaps inside std::string's own assignment at -O2
# (a known false positive of that release), which would fail every build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    add_compile_options(-Wno-restrict)
endif()

if(TARVELON_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
