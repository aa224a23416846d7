# Run by the windows_downloads target:
#   cmake -DCPACK=... -DCONFIG=CPackConfig.cmake -DWORK=folder -DDIST=folder -P MakeDownloads.cmake
# cpack makes the zip and the installer in WORK; they go into DIST, with
# their checksums in SHA256SUMS, which players check them against with
# `sha256sum -c SHA256SUMS`. WORK starts empty, so that downloads of an
# earlier version are not shipped again.
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CPACK} --config ${CONFIG} -B ${WORK} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${DIST})
file(MAKE_DIRECTORY ${DIST})
file(GLOB downloads LIST_DIRECTORIES false ${WORK}/*.zip ${WORK}/*.exe)
set(sums "")
foreach(download IN LISTS downloads)
  get_filename_component(name ${download} NAME)
  file(COPY_FILE ${download} ${DIST}/${name})
  file(SHA256 ${download} hash)
  string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE ${DIST}/SHA256SUMS "${sums}")
