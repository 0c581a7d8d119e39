# Every target of the project gets the same warnings; CI turns them into errors.
add_library(tessik_warnings INTERFACE)
target_compile_options(tessik_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(TESSIK_WERROR)
    target_compile_options(tessik_warnings INTERFACE -Werror)
endif()
