# Install step: writes SHA256SUMS.txt beside the installed files, one line "<hash>  <name>" for
# each of VARORIZO_PACKAGE_FILES, as sha256sum -c reads it.
set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(lines "")
foreach(name ${VARORIZO_PACKAGE_FILES})
    file(SHA256 "${folder}/${name}" hash)
    string(APPEND lines "${hash}  ${name}\n")
endforeach()
file(WRITE "${folder}/SHA256SUMS.txt" "${lines}")
