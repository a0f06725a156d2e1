# Writes OUTPUT, a C++ source that defines companion::FindFormAsset over the
# files FILES (a ;-separated list of paths), each kept as bytes with the
# content type its extension names. Run with cmake -P at build time.

set(entries "")
set(arrays "")
set(index 0)
foreach(file ${FILES})
  get_filename_component(name ${file} NAME)
  get_filename_component(extension ${file} LAST_EXT)
  if(extension STREQUAL ".html")
    set(type "text/html; charset=utf-8")
  elseif(extension STREQUAL ".css")
    set(type "text/css; charset=utf-8")
  elseif(extension STREQUAL ".js")
    set(type "text/javascript; charset=utf-8")
  else()
    message(FATAL_ERROR "${file}: no content type for ${extension}")
  endif()
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "constexpr unsigned char kAsset${index}[] = {${bytes}};\n")
  string(APPEND entries "    {\"${name}\", \"${type}\", {reinterpret_cast<const char*>(kAsset${index}), ${size}}},\n")
  math(EXPR index "${index} + 1")
endforeach()

file(WRITE ${OUTPUT}.tmp "// Generated from companion/form by embed_assets.cmake; do not edit.
#include \"companion/form_assets.h\"

#include <array>

namespace companion {

namespace {

${arrays}
const std::array<FormAsset, ${index}> kAssets{{
${entries}}};

}  // namespace

const FormAsset* FindFormAsset(std::string_view name) {
  for (const FormAsset& asset : kAssets)
    if (asset.name == name) return &asset;
  return nullptr;
}

}  // namespace companion
")
# Only a changed source makes the companion rebuild.
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
