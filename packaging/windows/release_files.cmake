# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DFOLDER=program-folder -DRELEASE=1.0 -DRELEASES=folder -DOUTPUT_DIR=folder -P release_files.cmake
# What the installer and the uninstaller know of the files every release of Vorlix installed, so
# that neither replaces nor removes a file whose content the user changed or put there:
#   vorlix-RELEASE-files.sha256  this release's program folder, "SHA-256  path" a line (sha256sum's
#                                form), to be carried into RELEASES when the next release is made
#   install_files.nsh            the installer's commands for each file of FOLDER
#   released_files.nsh           the test of a file's path and SHA-256 against every release's:
#                                this one's and those RELEASES holds (RELEASE.sha256 each)
#   remove_files.nsh             the uninstaller's commands for every path any release installed,
#                                then for the folders beneath the program folder, deepest first
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
  list(APPEND released "StrCmp $R1 \"${name}|${hash}\" released")
  list(APPEND paths "${name}")
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

set(text "")
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" name "${file}")
  get_filename_component(folder "${file}" DIRECTORY)
  string(REPLACE "/" "\\" folder "${folder}")
  if(folder)
    set(folder "\\${folder}")
  endif()
  string(APPEND text "!insertmacro InstallFile \"$INSTDIR${folder}\" \"${name}\"\n")
endforeach()
file(WRITE "${OUTPUT_DIR}/install_files.nsh" "${text}")

list(REMOVE_DUPLICATES paths)
list(SORT paths)
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
set(text "")
foreach(name IN LISTS paths)
  string(APPEND text "!insertmacro RemoveFile \"${name}\"\n")
endforeach()
foreach(name IN LISTS folders)
  string(APPEND text "RMDir \"$INSTDIR\\${name}\"\n")
endforeach()
file(WRITE "${OUTPUT_DIR}/remove_files.nsh" "${text}")
