# Fails unless every place that names the version agrees with the project's (VERSION): both
# programs' --version, the newest release of the metainfo, the man pages, the changelog, and
# the About page, which shows major.minor.
# cmake -DVERSION=x.y.z -DSOURCE=<source folder> -DPROGRAMS="<Tarnwick>;<TarnwickCfg>" -P ...
set(failures "")
macro(expect what found)
  if(NOT "${found}" STREQUAL "${VERSION}")
    string(APPEND failures "  ${what}: \"${found}\"\n")
  endif()
endmacro()

foreach(program IN LISTS PROGRAMS)
  get_filename_component(name "${program}" NAME)
  execute_process(COMMAND "${program}" --version OUTPUT_VARIABLE output RESULT_VARIABLE code)
  string(REGEX REPLACE "^${name} ([^\n]*)\n$" "\\1" found "${output}")
  expect("${name} --version (exit ${code})" "${found}")
endforeach()

file(READ "${SOURCE}/data/example.tarnwick.Tarnwick.metainfo.xml" text)
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${text}")
expect("the metainfo's newest release" "${CMAKE_MATCH_1}")

foreach(page Tarnwick.1 TarnwickCfg.1)
  file(STRINGS "${SOURCE}/data/man/${page}" line LIMIT_COUNT 1 REGEX "^\\.TH ")
  string(REGEX MATCH "\"Tarnwick ([^\"]*)\"" _ "${line}")
  expect("the man page ${page}" "${CMAKE_MATCH_1}")
endforeach()

file(STRINGS "${SOURCE}/data/changelog" line LIMIT_COUNT 1)
string(REGEX MATCH "^tarnwick \\(([^)]*)\\)" _ "${line}")
expect("the changelog's newest entry" "${CMAKE_MATCH_1}")

file(READ "${SOURCE}/settings/config/option_pages.cpp" text)
string(REGEX MATCH "\"Version ([0-9]+\\.[0-9]+)\"" _ "${text}")
set(about "${CMAKE_MATCH_1}")
string(REGEX MATCH "^[0-9]+\\.[0-9]+" short "${VERSION}")
if(NOT about STREQUAL short)
  string(APPEND failures "  the About page: \"Version ${about}\", not \"Version ${short}\"\n")
endif()

if(failures)
  message(FATAL_ERROR "These do not name version ${VERSION}:\n${failures}")
endif()
message(STATUS "Every place names version ${VERSION}")
