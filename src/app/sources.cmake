# Application shell: start-up and exit, settings, platform helpers.
list(APPEND CALYX_CORE_SOURCES
  app/geometry.cpp
  app/arith.cpp
)
list(APPEND CALYX_WIN_SOURCES
)
