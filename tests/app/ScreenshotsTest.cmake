# cmake -DTOOL=<ostrel-screenshots> -DOUTPUT=<folder> -P ScreenshotsTest.cmake
# Runs the screenshot tool into an emptied folder: it must succeed (no picture
# missing on any screen it draws) and write every picture listed here as a PNG.
set(expected
  save-prompt-0-quit.png save-prompt-1-stick.png save-prompt-2-buttons.png
  name-new.png name-warning-1-taken.png name-warning-2-not-allowed.png name-rename.png
  download-contacting.png download-list-ticked.png download-progress-3.png download-progress-7.png
  download-success.png
  name-list.png name-list-delete-prompt.png maker-list.png controller-list.png
  update-no-pad.png update-no-internet.png update-failed.png update-recovery.png
  update-success-recovery.png update-contacting.png update-offer.png update-progress.png
  update-success.png
)

file(REMOVE_RECURSE "${OUTPUT}")
execute_process(COMMAND "${TOOL}" "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "ostrel-screenshots ended with ${result}")
endif()
set(missing "")
foreach(name IN LISTS expected)
  set(signature "")
  if(EXISTS "${OUTPUT}/${name}")
    file(READ "${OUTPUT}/${name}" signature LIMIT 8 HEX)
  endif()
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    list(APPEND missing ${name})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "Screenshots not written as PNG: ${missing}")
endif()
