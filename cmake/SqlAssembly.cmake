# Each subsystem keeps its tables in schema.sql and its server code in
# server.sql beside its sources and calls dagang_sql() from its CMakeLists.
# The build joins them, in the order the subsystems were added, into
# init.sql and function.sql in the program folder.

function(dagang_sql)
  foreach(kind schema server)
    set(file ${CMAKE_CURRENT_SOURCE_DIR}/${kind}.sql)
    if(EXISTS ${file})
      set_property(GLOBAL APPEND PROPERTY DAGANG_SQL_${kind} ${file})
    endif()
  endforeach()
endfunction()

function(dagang_assemble_sql)
  get_property(schema GLOBAL PROPERTY DAGANG_SQL_schema)
  get_property(server GLOBAL PROPERTY DAGANG_SQL_server)
  set(targets)
  foreach(pair "init.sql|schema" "function.sql|server")
    string(REPLACE "|" ";" pair ${pair})
    list(GET pair 0 out)
    list(GET pair 1 kind)
    set(files ${${kind}})
    string(REPLACE ";" "|" joined "${files}")
    add_custom_command(
      OUTPUT ${PROGRAM_DIR}/${out}
      COMMAND ${CMAKE_COMMAND} -DOUT=${PROGRAM_DIR}/${out} -DROOT=${CMAKE_SOURCE_DIR}
              "-DFILES=${joined}" -P ${CMAKE_SOURCE_DIR}/cmake/ConcatSql.cmake
      DEPENDS ${files} ${CMAKE_SOURCE_DIR}/cmake/ConcatSql.cmake
      COMMENT "Assembling ${out}"
      VERBATIM)
    list(APPEND targets ${PROGRAM_DIR}/${out})
  endforeach()
  add_custom_target(assembled_sql ALL DEPENDS ${targets})
endfunction()
