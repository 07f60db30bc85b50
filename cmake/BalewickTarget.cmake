# Warnings are errors on our own code only; Qt's generated sources stay out of it.
function(balewick_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# A static library of one subsystem folder. Its headers are reachable, as "<folder>/X.h", only
# through an include directory of its own, so a file sees the headers of the libraries its library
# links and no others: an include across a boundary the links do not allow fails to build.
# PUBLIC lists the libraries its own headers include; the rest go under PRIVATE.
function(balewick_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(include_root ${PROJECT_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${include_root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${include_root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${include_root})
  target_link_libraries(${target} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
  # What its sources may include, for the build's own checks of the boundaries.
  set_target_properties(${target} PROPERTIES BALEWICK_LINKS "${ARG_PUBLIC};${ARG_PRIVATE}")
  balewick_warnings(${target})
endfunction()

# One QtTest executable registered with CTest. Widget tests run on the offscreen platform; every
# test may install the catalogues, to compare texts as users read them.
function(balewick_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test balewick_translations ${ARG_LINKS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    BALEWICK_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    BALEWICK_BINARY_DIR="${PROJECT_BINARY_DIR}")
  balewick_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
    TIMEOUT 300)
endfunction()

# Fills a desktop-integration template with the texts of every catalogue (see FillTranslations.py)
# at build time, so a translation is written once, in the catalogues. With C_ROWS, writes C
# initializer rows of the given message ids instead.
function(balewick_fill_translations output)
  cmake_parse_arguments(ARG "" "TEMPLATE" "C_ROWS" ${ARGN})
  set(script ${PROJECT_SOURCE_DIR}/cmake/FillTranslations.py)
  set(catalogues ${PROJECT_SOURCE_DIR}/resources/translations)
  file(GLOB ts_files CONFIGURE_DEPENDS ${catalogues}/balewick_*.ts)
  if(ARG_C_ROWS)
    set(arguments --c-rows ${catalogues} ${output} ${ARG_C_ROWS})
  else()
    set(arguments ${catalogues} ${ARG_TEMPLATE} ${output})
  endif()
  get_filename_component(folder ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND Python3::Interpreter ${script} ${arguments}
    DEPENDS ${script} ${ts_files} ${ARG_TEMPLATE}
    VERBATIM)
endfunction()
