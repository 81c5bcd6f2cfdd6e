# Lua 5.1 as a static library, compiled from Debian's lua5.1 source package.
include(${CMAKE_CURRENT_LIST_DIR}/LuaSources.cmake)

add_library(lua51 STATIC ${LUA_CORE_SOURCES})
target_include_directories(lua51 SYSTEM PUBLIC ${LUA_SOURCE_DIR}/src)
# Not our code: build it as its authors do, without our warning set.
target_compile_options(lua51 PRIVATE -O2 -w -ffile-prefix-map=${LUA_SOURCE_DIR}/=lua5.1/
                       ${TESSARIL_NO_BUILD_PATHS})
target_compile_definitions(lua51 PRIVATE LUA_ANSI)
