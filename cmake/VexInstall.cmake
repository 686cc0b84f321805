# Where an installation puts the station (paths below the installation prefix):
#   bin/vexctl, bin/vex-printer-sim       the command-line programs
#   lib/telvos-vex/vex                    the window program; its language packs (vex.DEU ...) go
#                                         beside it, where it looks for them
#   bin/vex -> ../lib/telvos-vex/vex      so that it is on the PATH too
#   share/applications, share/metainfo, share/icons/hicolor   the desktop entry, AppStream data, icon
# The program file is looked up through the link (/proc/self/exe), so the packs are found from both.
include(GNUInstallDirs)

set(VEX_APP_ID com.telvos.vex)
set(VEX_PACKAGE_NAME telvos-vex)
set(VEX_PROGRAM_DESTINATION lib/${VEX_PACKAGE_NAME})
