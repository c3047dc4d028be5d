# tavrel_install_command(<target>): installs a command in bin/ with its manual
# pages docs/<target>.1 and docs/de/<target>.1, gzipped at maximum compression
# and without a timestamp, as Debian wants manual pages.
function(tavrel_install_command target)
  foreach(language en de)
    if(language STREQUAL en)
      set(page ${PROJECT_SOURCE_DIR}/docs/${target}.1)
      set(man_dir ${CMAKE_INSTALL_MANDIR}/man1)
    else()
      set(page ${PROJECT_SOURCE_DIR}/docs/${language}/${target}.1)
      set(man_dir ${CMAKE_INSTALL_MANDIR}/${language}/man1)
    endif()
    set(gz ${CMAKE_CURRENT_BINARY_DIR}/${language}/${target}.1.gz)
    add_custom_command(OUTPUT ${gz}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/${language}
      COMMAND gzip -9nc ${page} > ${gz}
      DEPENDS ${page}
      VERBATIM)
    install(FILES ${gz} DESTINATION ${man_dir})
    list(APPEND pages ${gz})
  endforeach()
  add_custom_target(${target}_manual_page ALL DEPENDS ${pages})
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # CMake's strip keeps the compiler's .comment section, which Debian's drops.
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${target}>\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
endfunction()
