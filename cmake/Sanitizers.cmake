# VELMORA_SANITIZE builds everything with the address and undefined-behaviour
# sanitizers; any report ends the program with a failure.
if(VELMORA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
