# Runs at installation. A plain install into a prefix renews the prefix's
# caches of file types and menu entries, so that the desktop knows *.lab at
# once; a package's installation (DESTDIR set) leaves them to the package
# manager. quorvel_datarootdir is set by the install rules.
if("$ENV{DESTDIR}" STREQUAL "")
  foreach(tool_and_folder IN ITEMS "update-mime-database|mime" "update-desktop-database|applications")
    string(REPLACE "|" ";" tool_and_folder "${tool_and_folder}")
    list(GET tool_and_folder 0 tool)
    list(GET tool_and_folder 1 folder)
    find_program(${tool}_path ${tool} NO_CACHE)
    if(${tool}_path)
      execute_process(COMMAND "${${tool}_path}" "${CMAKE_INSTALL_PREFIX}/${quorvel_datarootdir}/${folder}")
    endif()
  endforeach()
endif()
