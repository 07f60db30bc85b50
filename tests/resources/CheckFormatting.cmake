# Fails, naming the files, when a source or test file is off the repository's .clang-format.
file(GLOB_RECURSE files ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/bench/*.cpp
     ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h)
set(off "")
foreach(file IN LISTS files)
  execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror --style=file ${file}
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(NOT result EQUAL 0)
    list(APPEND off ${file})
  endif()
endforeach()
if(NOT off STREQUAL "")
  list(JOIN off "\n  " listed)
  message(FATAL_ERROR "Off the repository's .clang-format (run clang-format -i):\n  ${listed}")
endif()
