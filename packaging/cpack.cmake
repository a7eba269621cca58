# The Debian package of the whole suite: `cpack -G DEB` in a release build, or `make package`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orven)
set(CPACK_PACKAGE_VENDOR "orven developers")
set(CPACK_PACKAGE_CONTACT "${ORVEN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "solvers and simulators of queueing networks with synchronization")
set(CPACK_PACKAGE_DESCRIPTION
    "Desktop programs, in Greek, for the performance analysis of closed queueing
networks with synchronization (fork/join) stations. Aggregation solvers
compute the steady state approximately; Monte Carlo simulators estimate the
probability of every queue length and the output of the synchronization
stations. Every run appends its results to a text file, so that solvers and
simulators can be compared. orven-batch runs the same computations from the
command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; Qt finds its platform plugins (the
# display connection) at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The windows are in Greek: a font with Greek letters. The Python module needs NumPy, and pandas
# for its sweeps.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, python3, python3-numpy, python3-pandas")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
