# Run by cpack once the package is made: removes the list of installed files that the
# staging install left in the build folder (CPACK_TARNWICK_MANIFEST, set in install.cmake).
file(REMOVE "${CPACK_TARNWICK_MANIFEST}")
