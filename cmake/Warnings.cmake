# Every target of the project links velmora_warnings: warnings on, and fatal.
add_library(velmora_warnings INTERFACE)
target_compile_options(velmora_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Werror)
