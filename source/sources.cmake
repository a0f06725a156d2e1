# The thanks source's files, relative to the project root.
set(QUILLORA_SOURCE_SOURCES
  source/base_size.cpp
  source/configure.cpp
  source/font_description.cpp
  source/render_colors.cpp
  source/text_layout_format.cpp
  source/texture_renderer.cpp
  source/texture_size.cpp
  source/thanks_source.cpp
)
