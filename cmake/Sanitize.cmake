# TESSIK_SANITIZE builds every target with AddressSanitizer and
# UndefinedBehaviorSanitizer, stopping at the first finding. The test command
# runs the engine tests, the layout reader's fuzz test among them, this way.
option(TESSIK_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TESSIK_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
