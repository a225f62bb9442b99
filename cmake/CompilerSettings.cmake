# Warnings are errors everywhere; the race must add in strict single precision on
# every machine, so no fused multiply-add; and an optional sanitizer build.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Werror
                    -ffp-contract=off)

if(TARVELON_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
