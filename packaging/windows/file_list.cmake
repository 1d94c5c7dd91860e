# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DFOLDER=program-folder -DOUTPUT=file.nsh -P file_list.cmake
# Writes the uninstaller's commands that remove every file of FOLDER from $INSTDIR, then the
# folders beneath it, deepest first (a folder that still holds something is left).
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${FOLDER}" "${FOLDER}/*")
list(SORT files)
set(text "")
set(folders "")
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" name "${file}")
  string(APPEND text "Delete \"$INSTDIR\\${name}\"\n")
  # Every folder above the file, up to the program folder.
  get_filename_component(folder "${file}" DIRECTORY)
  while(folder)
    list(APPEND folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" name "${folder}")
  string(APPEND text "RMDir \"$INSTDIR\\${name}\"\n")
endforeach()
file(WRITE "${OUTPUT}" "${text}")
