# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DFOLDER=program-folder -DRELEASE=1.1.0 -DRELEASES=folder -DOUTPUT_DIR=folder -P release_files.cmake
# What the installer and the uninstaller know of the files every release of Vorlix installed.
# The program's own files (its programs, DLLs, plugins, help page and notices), which no user
# edits, are replaced and removed by name. The two a user may change, the word list and the word
# database, are replaced and removed only where their content is one a release installed, so
# that an edited words.tsv or a reg.ocx the user made stays; so is any file no release installed.
#   vorlix-RELEASE-files.sha256  this release's program folder, "SHA-256  path" a line (sha256sum's
#                                form), to be carried into RELEASES when the next release is made
#   install_files.nsh            the installer's commands for each file of FOLDER, then for the
#                                files earlier releases installed that this one does not
#   released_files.nsh           the test of a word list's or database's path and SHA-256 against
#                                every release's: this one's and those RELEASES holds (VERSION.sha256)
#   remove_files.nsh             the uninstaller's commands for every path any release installed,
#                                then for the folders beneath the program folder, deepest first
cmake_minimum_required(VERSION 3.25)
set(users_files "words.tsv" "reg.ocx")

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${FOLDER}" "${FOLDER}/*")
list(SORT files)
set(this_release "")
foreach(file IN LISTS files)
  file(SHA256 "${FOLDER}/${file}" hash)
  string(APPEND this_release "${hash}  ${file}\n")
endforeach()
file(WRITE "${OUTPUT_DIR}/vorlix-${RELEASE}-files.sha256" "${this_release}")

# Every release's lines, this one's first.
set(lines "${this_release}")
file(GLOB carried "${RELEASES}/*.sha256")
list(SORT carried)
foreach(list_file IN LISTS carried)
  file(READ "${list_file}" text)
  string(APPEND lines "${text}")
endforeach()
string(REGEX REPLACE "\n$" "" lines "${lines}")
string(REPLACE "\n" ";" lines "${lines}")

set(released "")
set(paths "")
set(folders "")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^([0-9a-f]+)  (.+)$")
    message(FATAL_ERROR "not a line of a release's file list: ${line}")
  endif()
  set(hash "${CMAKE_MATCH_1}")
  set(path "${CMAKE_MATCH_2}")
  string(REPLACE "/" "\\" name "${path}")
  if(path IN_LIST users_files)
    list(APPEND released "StrCmp $R1 \"${name}|${hash}\" released")
  endif()
  list(APPEND paths "${path}")
  # Every folder above the file, up to the program folder.
  get_filename_component(folder "${path}" DIRECTORY)
  while(folder)
    string(REPLACE "/" "\\" folder_name "${folder}")
    list(APPEND folders "${folder_name}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES released)
list(JOIN released "\n" text)
file(WRITE "${OUTPUT_DIR}/released_files.nsh" "${text}\n")
list(REMOVE_DUPLICATES paths)
list(SORT paths)

# removal(PREFIX PATH OUT): the command that removes PATH, in the installer (PREFIX "") or the
# uninstaller ("un.").
function(removal prefix path out)
  string(REPLACE "/" "\\" name "${path}")
  if(path IN_LIST users_files)
    set(${out} "!insertmacro RemoveUsersFile \"${prefix}\" \"${name}\"\n" PARENT_SCOPE)
  else()
    set(${out} "Delete \"$INSTDIR\\${name}\"\n" PARENT_SCOPE)
  endif()
endfunction()

set(text "")
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" name "${file}")
  get_filename_component(folder "${file}" DIRECTORY)
  string(REPLACE "/" "\\" folder "${folder}")
  if(folder)
    set(folder "\\${folder}")
  endif()
  if(file IN_LIST users_files)
    string(APPEND text "!insertmacro InstallUsersFile \"$INSTDIR${folder}\" \"${name}\"\n")
  else()
    string(APPEND text "!insertmacro InstallProgramFile \"$INSTDIR${folder}\" \"${name}\"\n")
  endif()
endforeach()
# What an earlier release installed and this one does not goes, as the uninstaller would take it.
foreach(path IN LISTS paths)
  if(NOT path IN_LIST files)
    removal("" "${path}" command)
    string(APPEND text "${command}")
  endif()
endforeach()
file(WRITE "${OUTPUT_DIR}/install_files.nsh" "${text}")

list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
set(text "")
foreach(path IN LISTS paths)
  removal("un." "${path}" command)
  string(APPEND text "${command}")
endforeach()
foreach(name IN LISTS folders)
  string(APPEND text "RMDir \"$INSTDIR\\${name}\"\n")
endforeach()
file(WRITE "${OUTPUT_DIR}/remove_files.nsh" "${text}")
