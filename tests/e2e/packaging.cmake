# What installs the game: the staged install and the icons always; the desktop entry, the
# AppStream description and the manual pages where their validators are installed.
set(_kelmora_packaging_check bash ${CMAKE_CURRENT_LIST_DIR}/packaging.sh)
set(_kelmora_packaging_args ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})

foreach(_check install icons versions)
  add_test(NAME packaging_${_check}
           COMMAND ${_kelmora_packaging_check} ${_check} ${_kelmora_packaging_args})
endforeach()

find_program(KELMORA_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(KELMORA_APPSTREAMCLI appstreamcli)
find_program(KELMORA_MAN man)
foreach(_pair "desktop;KELMORA_DESKTOP_FILE_VALIDATE" "metainfo;KELMORA_APPSTREAMCLI"
              "man;KELMORA_MAN")
  list(GET _pair 0 _check)
  list(GET _pair 1 _tool)
  if(${_tool})
    add_test(NAME packaging_${_check}
             COMMAND ${_kelmora_packaging_check} ${_check} ${_kelmora_packaging_args})
  else()
    message(STATUS "packaging_${_check} is not tested: its validator is not installed "
                   "(make deps installs it)")
  endif()
endforeach()
set_tests_properties(packaging_install PROPERTIES TIMEOUT 120)
