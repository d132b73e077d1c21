# The stand-in of the environment's picture-information tool (started by Run_Pelquist_Picture_Info
# as $EXEC/Pelquist).
add_executable(Pelquist ${CMAKE_SOURCE_DIR}/tools/pelquist/pelquist.cpp)
target_link_libraries(Pelquist PRIVATE splice_printlist)
