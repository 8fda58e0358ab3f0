# ostrel_gzip_file(<target> <file>): a target, part of the default build, that
# writes <file>.gz beside <file> (a file in the build folder) the way Debian's
# tools expect man pages and changelogs: best compression, and no file name or
# time stamp inside, so the same input always gives the same bytes.
function(ostrel_gzip_file target file)
  add_custom_command(
    OUTPUT ${file}.gz
    COMMAND gzip -9nkf ${file}
    DEPENDS ${file}
    COMMENT "Compressing ${file}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${file}.gz)
endfunction()
