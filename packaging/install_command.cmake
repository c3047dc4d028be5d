# tavrel_install_command(<target>): installs a player's command in bin/ with its
# manual page docs/<target>.6, gzipped at maximum compression and without a
# timestamp, as Debian wants manual pages.
function(tavrel_install_command target)
  set(page ${PROJECT_SOURCE_DIR}/docs/${target}.6)
  set(gz ${CMAKE_CURRENT_BINARY_DIR}/${target}.6.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND gzip -9nc ${page} > ${gz}
    DEPENDS ${page}
    VERBATIM)
  add_custom_target(${target}_manual_page ALL DEPENDS ${gz})
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endfunction()
