# Settings of the WebAssembly build (em++ from Debian's emscripten, libc++ 13), read before the
# layers are added so that every portable library is compiled the same way as the module.

# C++ exceptions as WebAssembly instructions: compiled code and the linked runtime must agree.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

# Link-time optimisation across the layers: the linker drops and folds what no request reaches
# (qav.wasm 505 KB instead of 539 KB); the answers stay qav-cli's bytes (tests/web/qav.test.mjs).
add_compile_options(-flto)
add_link_options(-flto)

# {fmt} and fast_float are used header-only from the system's include folder, but all of it on
# em++'s path would put the system's C library before emscripten's: em++ gets a folder of links
# to those two alone.
set(QAV_HOST_INCLUDE_DIR /usr/include CACHE PATH "The folder holding the header-only {fmt} and fast_float")
set(QAV_HOST_LINKS ${PROJECT_BINARY_DIR}/host-include)
file(MAKE_DIRECTORY ${QAV_HOST_LINKS})
foreach(lib fmt fast_float)
  if(NOT IS_DIRECTORY ${QAV_HOST_INCLUDE_DIR}/${lib})
    message(FATAL_ERROR "${QAV_HOST_INCLUDE_DIR}/${lib} not found: scripts/install-deps.sh installs it")
  endif()
  file(CREATE_LINK ${QAV_HOST_INCLUDE_DIR}/${lib} ${QAV_HOST_LINKS}/${lib} SYMBOLIC)
endforeach()
include_directories(SYSTEM ${QAV_HOST_LINKS})

# em++'s optimiser runs on Node, which may not look in Debian's module folder (where acorn is).
if(DEFINED ENV{NODE_PATH})
  set(node_path "$ENV{NODE_PATH}")
else()
  set(node_path /usr/share/nodejs)
endif()
set(QAV_NODE_PATH "${node_path}" CACHE STRING "NODE_PATH for em++'s tools when it links")
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${QAV_NODE_PATH})
