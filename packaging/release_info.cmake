# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# What every artefact says of the release it belongs to. The version is set once, in project();
# the release's date is that of its entry in the Debian changelog, which must be for this version.
#   VORLIX_RELEASE_DATE  the date of the release, YYYY-MM-DD (AppStream, the manual pages)
#   VORLIX_BUILT_WITH    what the program is built with, for its help page

file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/linux/changelog changelog_lines)
list(GET changelog_lines 0 newest_entry)
if(NOT newest_entry MATCHES "^vorlix \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/linux/changelog begins with \"${newest_entry}\": its newest entry must be "
                      "for version ${PROJECT_VERSION}, the one project() sets")
endif()
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
foreach(line IN LISTS changelog_lines)
  if(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    set(day ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    list(FIND months "${CMAKE_MATCH_2}" month)
    break()
  endif()
endforeach()
if(NOT DEFINED month OR month LESS 0)
  message(FATAL_ERROR "packaging/linux/changelog: the newest entry has no trailer line with a date")
endif()
math(EXPR month "${month} + 1")
if(month LESS 10)
  set(month 0${month})
endif()
set(VORLIX_RELEASE_DATE ${year}-${month}-${day})

set(VORLIX_BUILT_WITH "Qt ${Qt6_VERSION} and mdbtools ${MDB_libmdb_VERSION}")
if(MINGW)
  # mingw-w64's GCC names no minor version of its own.
  set(VORLIX_BUILT_WITH "${VORLIX_BUILT_WITH}, compiled by GCC for Windows (mingw-w64)")
elseif(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  set(VORLIX_BUILT_WITH "${VORLIX_BUILT_WITH}, compiled by GCC ${CMAKE_CXX_COMPILER_VERSION}")
else()
  set(VORLIX_BUILT_WITH "${VORLIX_BUILT_WITH}, compiled by ${CMAKE_CXX_COMPILER_ID} ${CMAKE_CXX_COMPILER_VERSION}")
endif()
