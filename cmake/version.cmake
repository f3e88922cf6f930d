# The project's version as a header: zvk_version.h for code and resource scripts alike.
configure_file(${PROJECT_SOURCE_DIR}/cmake/zvk_version.h.in
               ${PROJECT_BINARY_DIR}/generated/zvk_version.h @ONLY)
add_library(zvk_version INTERFACE)
target_include_directories(zvk_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
