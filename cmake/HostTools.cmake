# The build-time tools of tools/ (formc, embed) as executable targets of the
# same names, for custom commands. A native build builds them as part of
# itself. A cross build cannot run what it compiles, so it configures tools/
# as a project of its own in a nested build with the host's compiler, and
# imports the two executables from there.
if(NOT CMAKE_CROSSCOMPILING)
  add_subdirectory(tools)
else()
  include(ExternalProject)
  find_program(MENU_HOST_CXX NAMES c++ g++ REQUIRED)
  set(host_tools_dir ${CMAKE_BINARY_DIR}/host-tools)
  # Only these arguments reach the nested build: it gets neither the cross
  # toolchain file nor its CMAKE_CROSSCOMPILING_EMULATOR. The empty
  # CMAKE_TOOLCHAIN_FILE also overrides one taken from the environment.
  ExternalProject_Add(host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools
    BINARY_DIR ${host_tools_dir}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE= -DCMAKE_CXX_COMPILER=${MENU_HOST_CXX} -DCMAKE_BUILD_TYPE=Release
    INSTALL_COMMAND ""
    # Let the nested build decide whether a tool's sources changed.
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${host_tools_dir}/formc ${host_tools_dir}/embed)
  foreach(tool formc embed)
    add_executable(${tool} IMPORTED GLOBAL)
    set_target_properties(${tool} PROPERTIES IMPORTED_LOCATION ${host_tools_dir}/${tool})
    add_dependencies(${tool} host_tools)
  endforeach()
endif()
