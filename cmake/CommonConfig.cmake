# One interface target carries the language level and the warnings every
# Tessaly target is built with.
add_library(tessaly_common INTERFACE)
target_compile_features(tessaly_common INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)

option(TESSALY_WERROR "Treat warnings as errors" OFF)
option(TESSALY_SANITIZE "Build with address and undefined-behaviour sanitizers" OFF)
option(TESSALY_FUZZ "Build the parsers for coverage-guided fuzzing, and their fuzz targets (clang)" OFF)

target_compile_options(tessaly_common INTERFACE -Wall -Wextra -Wpedantic)
if(TESSALY_WERROR)
  target_compile_options(tessaly_common INTERFACE -Werror)
endif()
if(TESSALY_SANITIZE)
  target_compile_options(tessaly_common INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(tessaly_common INTERFACE -fsanitize=address,undefined)
endif()

# Strict Qt habits for the Qt layer.
target_compile_definitions(tessaly_common INTERFACE
  QT_NO_CONTEXTLESS_CONNECT QT_NO_CAST_FROM_ASCII QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
