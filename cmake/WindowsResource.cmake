# The Windows program's icon, 16 to 256 pixels.
set(KMQ_WINDOWS_ICON ${PROJECT_SOURCE_DIR}/res/windows/kongmingqi.ico)

# The Windows resource script of the game (icon and version information),
# made from the game's identity and version in the build folder; its path is
# returned in OUT_VAR, for target_sources() of a Windows executable.
function(kmq_windows_resource out_var)
  set(script ${PROJECT_BINARY_DIR}/windows/kongmingqi.rc)
  configure_file(${PROJECT_SOURCE_DIR}/ui/application/kongmingqi.rc.in ${script} @ONLY)
  set(${out_var} ${script} PARENT_SCOPE)
endfunction()
