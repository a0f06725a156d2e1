# Libraries that Debian ships for Linux only, cross-built for the Windows
# build from Debian's own source packages (scripts/debian-source.sh) when the
# build folder is configured for the first time: libpng, over MinGW's zlib
# (libz-mingw-w64-dev), for the preview's pictures, Google Benchmark for the
# benchmark, and cpp-httplib's header for the companion's settings form
# (Debian's binary package holds a library for Linux only). They are installed in the build folder, where find_package
# finds them as it finds the Linux ones.

set(QUILLORA_THIRD_PARTY_DIR ${CMAKE_BINARY_DIR}/third-party)
set(QUILLORA_THIRD_PARTY_PREFIX ${QUILLORA_THIRD_PARTY_DIR}/install)
file(MAKE_DIRECTORY ${QUILLORA_THIRD_PARTY_DIR})
list(APPEND CMAKE_FIND_ROOT_PATH ${QUILLORA_THIRD_PARTY_PREFIX})
list(APPEND CMAKE_PREFIX_PATH ${QUILLORA_THIRD_PARTY_PREFIX})

# Static zlib, so that no program needs zlib1.dll.
list(GET CMAKE_FIND_ROOT_PATH 0 mingw_root)
set(ZLIB_LIBRARY ${mingw_root}/lib/libz.a CACHE FILEPATH "zlib, linked statically" FORCE)
set(ZLIB_INCLUDE_DIR ${mingw_root}/include CACHE PATH "zlib headers" FORCE)

# quillora_third_party(name source-package cmake-options...): fetches, builds and
# installs one library, once. @VERSION@ in an option stands for the upstream
# version, as Debian's rules pass it.
function(quillora_third_party name source_package)
  set(stamp ${QUILLORA_THIRD_PARTY_DIR}/${name}.installed)
  if(EXISTS ${stamp})
    return()
  endif()
  message(STATUS "Cross-building ${name} from Debian's source package ${source_package}")
  execute_process(
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/debian-source.sh ${source_package} ${QUILLORA_THIRD_PARTY_DIR}/sources
    OUTPUT_VARIABLE source_dir OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_FILE ${QUILLORA_THIRD_PARTY_DIR}/${name}-source.log
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Could not fetch ${source_package}; see ${QUILLORA_THIRD_PARTY_DIR}/${name}-source.log")
  endif()
  string(REGEX REPLACE ".*-" "" version ${source_dir})
  set(options ${ARGN})
  list(TRANSFORM options REPLACE "@VERSION@" ${version})
  set(build_dir ${QUILLORA_THIRD_PARTY_DIR}/build/${name})
  set(log ${QUILLORA_THIRD_PARTY_DIR}/${name}-build.log)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${source_dir} -B ${build_dir} -G ${CMAKE_GENERATOR}
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DCMAKE_BUILD_TYPE=Release
      -DCMAKE_INSTALL_PREFIX=${QUILLORA_THIRD_PARTY_PREFIX} ${options}
    COMMAND_ERROR_IS_FATAL ANY OUTPUT_FILE ${log} ERROR_FILE ${log})
  execute_process(
    COMMAND ${CMAKE_COMMAND} --build ${build_dir} --target install -j 2
    COMMAND_ERROR_IS_FATAL ANY OUTPUT_FILE ${log} ERROR_FILE ${log})
  file(TOUCH ${stamp})
endfunction()

quillora_third_party(libpng libpng1.6
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF
  -DZLIB_LIBRARY=${ZLIB_LIBRARY} -DZLIB_INCLUDE_DIR=${ZLIB_INCLUDE_DIR})
quillora_third_party(benchmark benchmark
  -DGIT_VERSION=@VERSION@
  -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF -DBENCHMARK_ENABLE_WERROR=OFF
  -DBENCHMARK_INSTALL_DOCS=OFF -DBENCHMARK_ENABLE_LTO=OFF)
quillora_third_party(cpp-httplib cpp-httplib
  -DHTTPLIB_USE_OPENSSL_IF_AVAILABLE=OFF -DHTTPLIB_USE_ZLIB_IF_AVAILABLE=OFF -DHTTPLIB_USE_BROTLI_IF_AVAILABLE=OFF)
