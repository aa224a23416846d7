# The Windows resource script of the game (icon and version information),
# configured from the project's version into the build folder; its path is
# returned in OUT_VAR, for target_sources() of a Windows executable.
function(kmq_windows_resource out_var)
  set(KMQ_APP_ICON ${PROJECT_SOURCE_DIR}/res/windows/kongmingqi.ico)
  set(script ${PROJECT_BINARY_DIR}/windows/kongmingqi.rc)
  configure_file(${PROJECT_SOURCE_DIR}/ui/windows/kongmingqi.rc.in ${script} @ONLY)
  set(${out_var} ${script} PARENT_SCOPE)
endfunction()
