# Installs the program into a DESTDIR folder below the build tree and checks
# the installed tree, the icon sizes and the udev rule's text. No udev daemon
# is asked; the machine's own folders are never touched.
#   cmake -DBUILD_DIR=<build> -P InstallTest.cmake
cmake_minimum_required(VERSION 3.25)
set(root "${BUILD_DIR}/install-test")
file(REMOVE_RECURSE "${root}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root}
          ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr --component ostrel
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  usr/bin/ostrel-controller
  usr/share/ostrel-controller/res/Screen1.jpg
  usr/share/ostrel-controller/res/next.png
  usr/share/ostrel-controller/res/English/Screen-2.jpg
  usr/share/ostrel-controller/res/Portuguese/Screen7/quityes.png
  usr/share/applications/ostrel-controller.desktop
  usr/share/man/man1/ostrel-controller.1.gz
  usr/lib/udev/rules.d/70-ostrel-controller.rules)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/ostrel-controller.png)
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS "${root}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# Nothing lands outside the program's own places.
file(GLOB_RECURSE installed RELATIVE "${root}" "${root}/*")
foreach(file IN LISTS installed)
  if(NOT file MATCHES "^usr/(bin/ostrel-controller|share/ostrel-controller/res/.+|share/applications/ostrel-controller\\.desktop|share/icons/hicolor/[0-9]+x[0-9]+/apps/ostrel-controller\\.png|share/metainfo/[^/]+\\.metainfo\\.xml|share/man/man1/ostrel-controller\\.1\\.gz|lib/udev/rules\\.d/70-ostrel-controller\\.rules)$")
    message(FATAL_ERROR "installed where it should not be: ${file}")
  endif()
endforeach()

# Each icon is a PNG of its folder's size (width and height from its header).
foreach(size 16 24 32 48 64 128 256)
  file(READ "${root}/usr/share/icons/hicolor/${size}x${size}/apps/ostrel-controller.png" header LIMIT 24 HEX)
  math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "" side "${side}")
  string(TOLOWER "${side}" side)
  string(LENGTH "${side}" digits)
  math(EXPR pad "8 - ${digits}")
  string(REPEAT "0" ${pad} zeros)
  if(NOT header STREQUAL "89504e470d0a1a0a0000000d49484452${zeros}${side}${zeros}${side}")
    message(FATAL_ERROR "the ${size}x${size} icon is not a PNG of that size: ${header}")
  endif()
endforeach()

file(STRINGS "${root}/usr/share/applications/ostrel-controller.desktop" desktop)
foreach(line "Exec=ostrel-controller" "Icon=ostrel-controller" "Type=Application")
  if(NOT line IN_LIST desktop)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()

# Every rule tags uaccess and names one of the two devices, by both ids.
file(STRINGS "${root}/usr/lib/udev/rules.d/70-ostrel-controller.rules" lines)
set(devices "")
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*(#|$)")
    continue()
  endif()
  if(NOT line MATCHES "TAG\\+=\"uaccess\"$")
    message(FATAL_ERROR "a rule that does not end tagging uaccess: ${line}")
  endif()
  if(line MATCHES "SUBSYSTEM==\"hidraw\".*ATTRS{idVendor}==\"e7c1\", ATTRS{idProduct}==\"5a0d\"")
    list(APPEND devices pad)
  elseif(line MATCHES "SUBSYSTEM==\"usb\".*ATTR{idVendor}==\"0483\", ATTR{idProduct}==\"df11\"")
    list(APPEND devices bootloader)
  else()
    message(FATAL_ERROR "a rule for another device: ${line}")
  endif()
  string(REGEX MATCHALL "idVendor" vendors "${line}")
  string(REGEX MATCHALL "MODE|GROUP|OWNER|RUN" grants "${line}")
  list(LENGTH vendors count)
  if(NOT count EQUAL 1 OR grants)
    message(FATAL_ERROR "a rule that names more than one device or grants more: ${line}")
  endif()
endforeach()
if(NOT devices STREQUAL "pad;bootloader")
  message(FATAL_ERROR "expected one rule for the pad and one for the boot loader, got: ${devices}")
endif()
file(REMOVE_RECURSE "${root}")
message(STATUS "installed tree and udev rule as expected")
