# The thanks source's files, relative to the project root.
set(QT_SOURCE_SOURCES
  source/configure.cpp
  source/thanks_source.cpp
)
