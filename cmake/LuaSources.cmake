# The Lua 5.1 core and auxiliary library from Debian's lua5.1 source package (unpacked by
# tools/fetch-lua.sh into LUA_SOURCE_DIR): all the program uses, since it opens no standard
# library. Sets LUA_CORE_SOURCES.
if(NOT LUA_SOURCE_DIR OR NOT EXISTS ${LUA_SOURCE_DIR}/src/lapi.c)
  message(FATAL_ERROR "LUA_SOURCE_DIR must name an unpacked lua5.1 source package (run tools/fetch-lua.sh)")
endif()

set(LUA_CORE_SOURCES)
foreach(_f lapi lcode ldebug ldo ldump lfunc lgc llex lmem lobject lopcodes
           lparser lstate lstring ltable ltm lundump lvm lzio lauxlib)
  list(APPEND LUA_CORE_SOURCES ${LUA_SOURCE_DIR}/src/${_f}.c)
endforeach()
