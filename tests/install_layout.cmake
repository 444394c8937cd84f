# Installs the build into PREFIX and checks the layout, then runs the
# installed command-line tool once. Called by ctest with BUILD_DIR, PREFIX, GUI.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
set(expected
    bin/ctabber-cli bin/ctabber-cli-playback
    share/ctabber/Control.INI share/ctabber/XGSystem.ini share/ctabber/Genre.INI share/ctabber/Deutsch.lng
    share/ctabber/help/index.html share/ctabber/help/style.css
    share/mime/packages/ctabber.xml share/applications/ctabber.desktop
    share/icons/hicolor/scalable/apps/ctabber.svg)
if(GUI)
  list(APPEND expected bin/ctabber)
endif()
foreach(f ${expected})
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(WRITE ${PREFIX}/probe.csm "CASM")
execute_process(COMMAND ${PREFIX}/bin/ctabber-cli hexdump ${PREFIX}/probe.csm
                RESULT_VARIABLE ran OUTPUT_VARIABLE dump)
if(NOT ran EQUAL 0 OR NOT dump MATCHES "^0000 43 41 53 4D ")
  message(FATAL_ERROR "the installed ctabber-cli does not run: ${dump}")
endif()
# The playback commands are handed to the program installed beside it.
execute_process(COMMAND ${PREFIX}/bin/ctabber-cli ports RESULT_VARIABLE ran OUTPUT_VARIABLE ports)
if(NOT ran EQUAL 0 OR NOT ports MATCHES "^0\tBuilt-in synthesizer")
  message(FATAL_ERROR "the installed ctabber-cli ports does not run: ${ports}")
endif()
file(REMOVE_RECURSE ${PREFIX})
