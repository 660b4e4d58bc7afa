# Installs the build into STAGE/usr and checks the installed tree: exactly the
# files a package should hold, a desktop entry and an AppStream entry that
# their validators accept, the icons at their sizes, readable manual pages and
# a tool that runs.
# cmake -DSOURCE_DIR=<source> -DBUILD_DIR=<build> -DSTAGE=<scratch folder> -DAPP_ID=<id> -P CheckInstall.cmake

set(failures)
macro(fail message)
  list(APPEND failures "${message}")
endmacro()

file(REMOVE_RECURSE "${STAGE}")
set(prefix "${STAGE}/usr")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${log}")
endif()

set(icon_sizes 48 128 256)
set(expected
  bin/sahdict
  bin/sahdict-tool
  share/applications/${APP_ID}.desktop
  share/doc/sahdict/changelog.gz
  share/doc/sahdict/copyright
  share/man/man1/sahdict-tool.1.gz
  share/man/man1/sahdict.1.gz
  share/metainfo/${APP_ID}.metainfo.xml
  share/sahdict/default.dict)
foreach(size IN LISTS icon_sizes)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
# The shipped dictionary exported in every format, one dictionary per pair.
set(exports share/doc/sahdict/exports)
foreach(pair rus-sah rse-sah sah-rus)
  list(APPEND expected ${exports}/stardict/${pair}.ifo ${exports}/stardict/${pair}.idx
       ${exports}/stardict/${pair}.dict.dz ${exports}/dictd/${pair}.index ${exports}/dictd/${pair}.dict.dz
       ${exports}/xdxf/${pair}.xdxf ${exports}/dsl/${pair}.dsl ${exports}/dsl/${pair}.ann ${exports}/tsv/${pair}.tsv)
endforeach()
list(APPEND expected ${exports}/stardict/sah-rus.syn)
list(SORT expected)
file(GLOB_RECURSE installed RELATIVE "${prefix}" LIST_DIRECTORIES false "${prefix}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " shown "${installed}")
  fail("installed files differ from the package's list:\n  ${shown}")
endif()

# The validators: errors fail them, and so do warnings here; the desktop
# entry's hints fail too (a missing main category hides it in the menus).
find_program(desktop_validate desktop-file-validate)
find_program(appstreamcli appstreamcli)
if(NOT desktop_validate OR NOT appstreamcli)
  message(FATAL_ERROR "desktop-file-validate and appstreamcli are needed (packages desktop-file-utils, appstream)")
endif()
execute_process(COMMAND ${desktop_validate} "${prefix}/share/applications/${APP_ID}.desktop"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR out MATCHES "(error|warning|hint):")
  fail("desktop-file-validate:\n${out}")
endif()
# The menu entry starts the installed program and shows the installed icon.
file(STRINGS "${prefix}/share/applications/${APP_ID}.desktop" entry REGEX "^(Exec|Icon)=")
if(NOT entry STREQUAL "Exec=sahdict;Icon=${APP_ID}")
  string(REPLACE ";" ", " entry "${entry}")
  fail("the desktop entry's Exec and Icon lines are: ${entry}")
endif()
execute_process(COMMAND ${appstreamcli} validate --no-net "${prefix}/share/metainfo/${APP_ID}.metainfo.xml"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR out MATCHES "(^|\n)[EW]:")
  fail("appstreamcli validate:\n${out}")
endif()
# The tree as a whole: the AppStream entry finds its desktop entry and icon.
execute_process(COMMAND ${appstreamcli} validate-tree --no-net "${STAGE}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR out MATCHES "(^|\n)[EW]:")
  fail("appstreamcli validate-tree:\n${out}")
endif()

# A PNG starts with its signature, then the IHDR chunk with width and height.
foreach(size IN LISTS icon_sizes)
  set(icon "${prefix}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
  if(NOT EXISTS "${icon}")
    continue()
  endif()
  file(READ "${icon}" head LIMIT 24 HEX)
  string(SUBSTRING "${head}" 0 16 signature)
  string(SUBSTRING "${head}" 32 8 width)
  string(SUBSTRING "${head}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    fail("${icon}: not a ${size} x ${size} PNG (signature ${signature}, ${width} x ${height})")
  endif()
endforeach()

# Manual pages: gzip archives of man-macro pages with a NAME section.
foreach(page sahdict sahdict-tool)
  string(REPLACE "-" "\\\\-" roff_name "${page}")
  set(file "${prefix}/share/man/man1/${page}.1.gz")
  execute_process(COMMAND gzip -dc "${file}" RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT text MATCHES "(^|\n)\\.TH [^\n]+\n\\.SH NAME\n${roff_name} \\\\- ")
    fail("${file}: not a compressed manual page of ${page} (${err})")
  endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${SOURCE_DIR}/data/default.dict"
                "${prefix}/share/sahdict/default.dict" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  fail("share/sahdict/default.dict differs from data/default.dict")
endif()
execute_process(COMMAND "${prefix}/bin/sahdict-tool" --version
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^sahdict-tool [0-9]")
  fail("installed sahdict-tool --version: exit ${rc}, ${out}${err}")
endif()

if(failures)
  string(REPLACE ";" "\n" shown "${failures}")
  message(FATAL_ERROR "${shown}")
endif()
file(REMOVE_RECURSE "${STAGE}")
