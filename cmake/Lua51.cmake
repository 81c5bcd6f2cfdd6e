# Lua 5.1 as a static library, compiled from Debian's lua5.1 source package
# (tools/fetch-lua.sh unpacks it). Only the core and the auxiliary library:
# the program opens no standard library.
if(NOT LUA_SOURCE_DIR OR NOT EXISTS ${LUA_SOURCE_DIR}/src/lapi.c)
  message(FATAL_ERROR "LUA_SOURCE_DIR must name an unpacked lua5.1 source package (run tools/fetch-lua.sh)")
endif()

set(_lua_core lapi lcode ldebug ldo ldump lfunc lgc llex lmem lobject lopcodes
              lparser lstate lstring ltable ltm lundump lvm lzio lauxlib)
set(_lua_sources)
foreach(_f ${_lua_core})
  list(APPEND _lua_sources ${LUA_SOURCE_DIR}/src/${_f}.c)
endforeach()

add_library(lua51 STATIC ${_lua_sources})
target_include_directories(lua51 SYSTEM PUBLIC ${LUA_SOURCE_DIR}/src)
# Not our code: build it as its authors do, without our warning set.
target_compile_options(lua51 PRIVATE -O2 -w -ffile-prefix-map=${LUA_SOURCE_DIR}/=lua5.1/
                       ${TESSARIL_NO_BUILD_PATHS})
target_compile_definitions(lua51 PRIVATE LUA_ANSI)
